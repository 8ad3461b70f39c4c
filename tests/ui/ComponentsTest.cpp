#include "ui/components/AccentButton.h"
#include "ui/components/Alert.h"
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
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
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

// The smallest rectangle holding every pixel that is not fully transparent.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bounds |= qAlpha(image.pixel(x, y)) > 0 ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return bounds;
}

const auto longText = QStringLiteral("Next: select a partner, obtain test access, connect the customer service, and "
                                     "sign the build. End-to-end connection and leak tests follow.");

} // namespace

// Fainter while pressed, fainter still while disabled, and a disabled button the same pressed or not.
TEST(AccentButtonStyle, TheFillFollowsTheState) {
    const auto look = [](bool enabled, bool pressed) {
        AccentButton button(QStringLiteral("Go"));
        button.setFixedSize(200, 44);
        button.setEnabled(enabled);
        button.setDown(pressed);
        return render(button);
    };
    EXPECT_GT(ink(look(true, false)), ink(look(true, true)));
    EXPECT_GT(ink(look(true, true)), ink(look(false, false)));
    EXPECT_EQ(look(false, true), look(false, false));
}

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

TEST(Switch, SlidesOnlyWhenAPersonFlipsIt) {
    // What a switch draws at rest: one set before it was ever shown.
    const auto atRest = [](bool on) {
        Switch still;
        still.setChecked(on);
        still.resize(still.sizeHint());
        return render(still);
    };
    QWidget window;
    auto* toggle = new Switch(&window);
    toggle->resize(toggle->sizeHint());
    window.show();

    // Set by the program (a view showing its model): drawn at once.
    toggle->setChecked(true);
    EXPECT_TRUE(render(*toggle) == atRest(true)) << "slides to on";
    toggle->toggle();
    EXPECT_TRUE(render(*toggle) == atRest(false)) << "slides to off";

    QTest::mouseClick(toggle, Qt::LeftButton);
    ASSERT_TRUE(toggle->isChecked());
    EXPECT_FALSE(render(*toggle) == atRest(true)) << "a click slides the knob over";
    ASSERT_TRUE(QTest::qWaitFor([&] { return render(*toggle) == atRest(true); }, 2000));
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

TEST(Symbols, FilledVariantsLookFilled) {
    const auto draw = [](const char* name) {
        return Symbols::image(QString::fromLatin1(name), 96, Palette::violet.color());
    };
    // More ink than the outline drawn from the same icon.
    EXPECT_GT(ink(draw("star.fill")), 2 * ink(draw("star")));
    EXPECT_GT(ink(draw("globe.europe.africa.fill")), ink(draw("globe.americas")));
    // Filled on the left only; a whole shield, more.
    const auto half = draw("shield.lefthalf.filled");
    EXPECT_GT(ink(half.copy(0, 0, 48, 96)), 2 * ink(half.copy(48, 0, 48, 96)));
    EXPECT_GT(ink(draw("checkmark.shield.fill")), ink(half));
}

TEST(Symbols, AreTintedAndHeavierWithTheWeight) {
    const auto lime = Palette::lime.color();
    EXPECT_TRUE(tintedOnly(Symbols::image(QStringLiteral("power"), 48, lime), lime));
    double previous = 0;
    for (auto weight : {QFont::ExtraLight, QFont::Light, QFont::Normal, QFont::Medium, QFont::DemiBold, QFont::Bold}) {
        const double current = ink(Symbols::image(QStringLiteral("globe"), 64, lime, weight));
        EXPECT_GT(current, std::exchange(previous, current)) << weight;
    }
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

TEST(Theme, AScrollBarIsAHandleThatFollowsADrag) {
    QWidget window;
    auto* bar = new QScrollBar(Qt::Vertical, &window);
    bar->setRange(0, 300);
    bar->setPageStep(100);
    bar->setGeometry(0, 0, bar->sizeHint().width(), 400);
    window.show();
    // All that is drawn is the handle: there are no arrows and no track.
    const QRect handle = inkBounds(render(*bar));
    ASSERT_FALSE(handle.isEmpty());
    // A page of 100 in 400 is shown, so the handle is about a quarter of the bar.
    EXPECT_NEAR(handle.height(), 100, 6);

    const QPoint grip = handle.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(0, 90));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(0, 90));
    // The handle went with the pointer, and the value with the handle: the range over its travel.
    EXPECT_EQ(inkBounds(render(*bar)).top(), handle.top() + 90);
    EXPECT_NEAR(bar->value(), 90.0 * 300 / (400 - handle.height()), 4);
}

TEST(Theme, NothingQtDrawsItselfIsLight) {
    const auto colors = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role :
             {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase}) {
            EXPECT_LT(colors.color(group, role).lightnessF(), 0.3) << group << " " << role;
        }
    }
    EXPECT_LT(QToolTip::palette().color(QPalette::ToolTipBase).lightnessF(), 0.3);

    // Render Qt's own widgets and check that light pixels are no more than their text.
    auto* menu = new QMenu;
    menu->addAction(QStringLiteral("An entry"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("An entry turned off"))->setEnabled(false);
    auto* bar = new QScrollBar(Qt::Vertical);
    bar->setRange(0, 100);
    bar->resize(16, 200);
    const std::pair<const char*, QWidget*> widgets[] = {
        {"menu", menu},
        {"scroll bar", bar},
        {"push button", new QPushButton(QStringLiteral("A button"))},
        {"field", new QLineEdit(QStringLiteral("Some text"))},
        {"alert",
         [] {
             auto* alert = new Alert(QStringLiteral("A title"));
             alert->setText(QStringLiteral("A message."));
             alert->addButton(QStringLiteral("OK"), Alert::Role::accept);
             return alert;
         }()},
    };
    for (const auto& [name, raw] : widgets) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> widget(raw);
        widget->ensurePolished();
        if (widget->size().isEmpty() || widget->size() == QSize(640, 480)) {
            widget->resize(widget->sizeHint().expandedTo(QSize(16, 16)));
        }
        const auto image = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        // The commonest colour is the widget's own background; light pixels are its text.
        QHash<QRgb, int> counts;
        for (const QRgb pixel : pixels(image)) {
            ++counts[pixel];
        }
        EXPECT_LT(QColor::fromRgba(std::max_element(counts.cbegin(), counts.cend()).key()).lightnessF(), 0.3);
        const auto light =
            std::ranges::count_if(pixels(image), [](QRgb pixel) { return QColor::fromRgba(pixel).lightnessF() > 0.6; });
        EXPECT_LT(double(light) / double(pixels(image).size()), 0.3);
    }
}
