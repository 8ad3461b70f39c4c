#include "ui/components/Fonts.h"
#include "ui/components/GlobeArtwork.h"
#include "ui/components/Notice.h"
#include "ui/components/Palette.h"
#include "ui/components/SettingRow.h"
#include "ui/components/Spinner.h"
#include "ui/components/Switch.h"
#include "ui/components/Symbols.h"
#include "ui/components/TextLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <numeric>
#include <ranges>
#include <span>

using namespace vantorel;

namespace {

// The pixels of a 32-bit image, row after row.
std::span<const QRgb> pixels(const QImage& image) {
    return {reinterpret_cast<const QRgb*>(image.constBits()), std::size_t(image.width()) * std::size_t(image.height())};
}

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// Total opacity, in fully opaque pixels.
double ink(const QImage& image) {
    return std::accumulate(pixels(image).begin(), pixels(image).end(), 0.0,
                           [](double sum, QRgb pixel) { return sum + qAlpha(pixel); }) /
           255;
}

// Whether every pixel is `color` at the pixel's own opacity (premultiplied, give or take the
// rounding to eight bits).
bool tintedOnly(const QImage& image, const QColor& color) {
    return std::ranges::all_of(pixels(image), [&](QRgb pixel) {
        const double alpha = qAlpha(pixel);
        return std::abs(qRed(pixel) - color.redF() * alpha) <= 1 &&
               std::abs(qGreen(pixel) - color.greenF() * alpha) <= 1 &&
               std::abs(qBlue(pixel) - color.blueF() * alpha) <= 1;
    });
}

const auto longText = QStringLiteral("Next: select a partner, obtain test access, connect the customer service, and "
                                     "sign the build. End-to-end connection and leak tests follow.");

} // namespace

TEST(Spinner, AnimatesOnlyWhileVisible) {
    QWidget window;
    auto* spinner = new Spinner(&window);
    EXPECT_FALSE(spinner->isAnimating());
    window.show();
    EXPECT_TRUE(spinner->isAnimating());
    spinner->hide();
    EXPECT_FALSE(spinner->isAnimating());
    spinner->show();
    EXPECT_TRUE(spinner->isAnimating());
    window.hide();
    EXPECT_FALSE(spinner->isAnimating());
}

// A notice and a setting's detail wrap: they grow taller as they narrow and show every line, and
// a setting's control stays at the trailing edge, clear of its text.
TEST(TextLabel, WrappedTextGrowsAsItNarrowsAndShowsEveryLine) {
    auto* control = new Switch;
    const std::pair<QWidget*, const char*> widgets[] = {
        {new Notice(QStringLiteral("arrow.triangle.branch"), longText), "text"},
        {new SettingRow(QStringLiteral("Title"), longText, QStringLiteral("moon"), control), "detail"},
    };
    for (const auto& [widget, name] : widgets) {
        SCOPED_TRACE(name);
        // A column the width of a page, with the widget at its top.
        QWidget page;
        auto* column = new QVBoxLayout(&page);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(widget);
        column->addStretch(1);
        auto* text = widget->findChild<TextLabel*>(name);
        ASSERT_NE(text, nullptr);
        int previousHeight = 0;
        int previousLines = 0;
        for (const int width : {900, 480, 300}) {
            SCOPED_TRACE(width);
            page.resize(width, page.heightForWidth(width));
            page.show();
            column->activate();
            EXPECT_GT(widget->height(), std::exchange(previousHeight, widget->height()));
            EXPECT_GT(text->lineCount(text->width()), std::exchange(previousLines, text->lineCount(text->width())));
            EXPECT_GE(text->height(), text->heightForWidth(text->width()));
            // The last line is drawn, not only measured: its band has ink.
            const QImage drawn = text->grab().toImage();
            const int lines = text->lineCount(text->width());
            bool inked = false;
            for (int y = drawn.height() * (lines - 1) / lines; y < drawn.height() && !inked; ++y) {
                for (int x = 0; x < drawn.width() && !inked; ++x) {
                    inked = drawn.pixel(x, y) != drawn.pixel(0, 0);
                }
            }
            EXPECT_TRUE(inked);
            const int textEnd = text->mapTo(widget, QPoint(text->width(), 0)).x();
            EXPECT_LE(textEnd, widget->width());
            if (control->parentWidget() == widget) {
                EXPECT_EQ(control->mapTo(widget, QPoint(control->width(), 0)).x(),
                          width - widget->layout()->contentsMargins().right());
                EXPECT_LT(textEnd, control->mapTo(widget, QPoint()).x());
            }
        }
    }
}

TEST(TextLabel, LineSpacingIsAddedBetweenLinesOnly) {
    for (const auto* text : {"one", "one\ntwo", "a\nb\nc"}) {
        TextLabel plain(QString::fromUtf8(text));
        plain.setFont(Fonts::system(11));
        TextLabel spaced(plain.text());
        spaced.setFont(plain.font());
        spaced.setLineSpacing(4);
        EXPECT_EQ(spaced.heightForWidth(400) - plain.heightForWidth(400), 4 * plain.text().count('\n')) << text;
    }
}

// Decoration only: mirror-symmetric (at an odd width, whose middle column is its own mirror
// image), violet alone, and nothing for assistive technology.
TEST(GlobeArtwork, IsASymmetricVioletDrawingThatNothingReads) {
    GlobeArtwork globe;
    globe.resize(441, 235);
    globe.show();
    const auto image = render(globe);
    EXPECT_EQ(image, image.mirrored(true, false));
    EXPECT_TRUE(tintedOnly(image, Palette::violet.color()));
    EXPECT_GT(ink(image), 1000);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&globe)->state().invisible);
}

// Every name has a drawing. Small symbols have strokes of about a device pixel, and antialiasing
// alone would only ever show them dimmed where they run between two pixels; on a display of two
// device pixels per point they are drawn afresh at that density, as a stretched drawing dims them.
TEST(Symbols, ThinStrokesStillReachTheSymbolsColour) {
    for (const QString& name : Symbols::names()) {
        for (const auto weight : {QFont::Light, QFont::Normal}) {
            for (const int side : {10, 11, 12, 13, 16, 20, 25}) {
                for (const qreal density : {1.0, 2.0}) {
                    QImage image(QSize(side, side) * density, QImage::Format_ARGB32_Premultiplied);
                    image.setDevicePixelRatio(density);
                    image.fill(Qt::transparent);
                    QPainter painter(&image);
                    Symbols::paint(painter, QRectF(0, 0, side, side), name, Palette::muted.color(), weight);
                    painter.end();
                    EXPECT_EQ(std::ranges::max(pixels(image) |
                                               std::views::transform([](QRgb pixel) { return qAlpha(pixel); })),
                              255)
                        << name.toStdString() << " at " << side << " points, " << density << " pixels a point, weight "
                        << weight;
                }
            }
        }
    }
    EXPECT_FALSE(Symbols::contains(QStringLiteral("no.such.symbol")));
    EXPECT_TRUE(Symbols::image(QStringLiteral("no.such.symbol"), 48, Palette::violet.color()).isNull());
}

// Whatever Qt draws itself (menus, tooltips, dialogs' fields) takes the app's dark colours.
TEST(Theme, QtsOwnColoursAreDarkInEveryState) {
    const auto colors = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role :
             {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase}) {
            EXPECT_LT(colors.color(group, role).lightnessF(), 0.3) << group << " " << role;
        }
    }
    EXPECT_LT(QToolTip::palette().color(QPalette::ToolTipBase).lightnessF(), 0.3);
}
