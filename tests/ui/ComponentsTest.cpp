#include "ui/components/AccentButton.h"
#include "ui/components/AccentButtonStyle.h"
#include "ui/components/Fonts.h"
#include "ui/components/GlobeArtwork.h"
#include "ui/components/MetricCard.h"
#include "ui/components/Notice.h"
#include "ui/components/Palette.h"
#include "ui/components/SettingRow.h"
#include "ui/components/Spinner.h"
#include "ui/components/Switch.h"
#include "ui/components/Symbols.h"
#include "ui/components/TextLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <span>

using namespace vantorel;

namespace {

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

QImage renderGlobe(QSize size) {
    GlobeArtwork globe;
    globe.resize(size);
    return render(globe);
}

// Total opacity, in fully opaque pixels.
double ink(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qAlpha(image.pixel(x, y));
        }
    }
    return sum / 255;
}

double ink(const QFont& font, const QString& text) {
    QImage image(900, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(10, 55, text);
    painter.end();
    return ink(image);
}

double lightness(QRgb pixel) {
    return QColor::fromRgba(pixel).lightnessF();
}

// The first pixel that is not `color` at the pixel's own opacity (premultiplied, give or take the
// rounding to eight bits), if any.
std::optional<QPoint> offTint(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const double alpha = qAlpha(pixel);
            if (std::abs(qRed(pixel) - color.redF() * alpha) > 1 ||
                std::abs(qGreen(pixel) - color.greenF() * alpha) > 1 ||
                std::abs(qBlue(pixel) - color.blueF() * alpha) > 1) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// Opacity at a point given on the icon set's 24-unit grid.
int alphaAt(const QImage& image, double gridX, double gridY) {
    return qAlpha(image.pixel(int(gridX / 24 * image.width()), int(gridY / 24 * image.height())));
}

// A column the width of a page, with the widget under test at its top.
struct Column {
    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);

    explicit Column(QWidget* content) {
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
        layout->addStretch(1);
    }
    void layOut(int width) {
        window.resize(width, window.heightForWidth(width));
        window.show();
        layout->activate();
    }
};

const auto longNotice = QStringLiteral("Next: select a partner, obtain test access, connect the customer service, and "
                                       "sign the Mac VPN build. End-to-end connection and leak tests follow.");

} // namespace

TEST(AccentButtonStyle, OnlyTheFillOpacityFollowsTheState) {
    const std::tuple<bool, bool, int> rows[] = {
        {true, false, 255},  // 1.0
        {true, true, 191},   // 0.75
        {false, false, 102}, // 0.4
        {false, true, 102},  // pressing a disabled button changes nothing
    };
    const auto violet = Palette::violet.color();
    for (const auto& [enabled, pressed, alpha] : rows) {
        SCOPED_TRACE(testing::Message() << "enabled " << enabled << " pressed " << pressed);
        AccentButton button(QStringLiteral("Set up your service"));
        button.setFont(Fonts::system(13, QFont::DemiBold));
        button.setSymbol(QStringLiteral("arrow.right"));
        button.setFixedSize(216, 45);
        button.setEnabled(enabled);
        button.setDown(pressed);
        const auto image = render(button);

        // Inside the rounded corners and clear of the centred label: fill only.
        for (const QPoint point : {QPoint(10, 22), QPoint(205, 22), QPoint(108, 3)}) {
            const QRgb pixel = image.pixel(point);
            EXPECT_NEAR(qAlpha(pixel), alpha, 1) << point.x() << "," << point.y();
            EXPECT_NEAR(qRed(pixel), violet.redF() * alpha, 1);
            EXPECT_NEAR(qBlue(pixel), violet.blueF() * alpha, 1);
        }
        // Outside the radius-9 corner nothing is drawn.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        // The label keeps the background colour in every state: somewhere in the middle a
        // pixel of the text is fully opaque and dark.
        bool darkLabel = false;
        for (int x = 60; x < 160 && !darkLabel; ++x) {
            const QRgb pixel = image.pixel(x, 22);
            darkLabel = qAlpha(pixel) == 255 && qRed(pixel) < 40 && qBlue(pixel) < 50;
        }
        EXPECT_TRUE(darkLabel);
    }
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

TEST(Notice, GrowsTallerAsItNarrowsAndShowsEveryLine) {
    auto* notice = new Notice(QStringLiteral("arrow.triangle.branch"), longNotice);
    Column column(notice);
    auto* text = notice->findChild<TextLabel*>(QStringLiteral("text"));
    ASSERT_NE(text, nullptr);

    int previousHeight = 0;
    int previousLines = 0;
    for (const int width : {900, 480, 240, 120}) {
        SCOPED_TRACE(width);
        column.layOut(width);
        const int lines = text->lineCount(text->width());
        EXPECT_GT(notice->height(), previousHeight);
        EXPECT_GT(lines, previousLines);
        // Every line fits in the height the layout gave: nothing is cut off.
        EXPECT_GE(text->height(), text->heightForWidth(text->width()));
        EXPECT_LE(text->geometry().right(), notice->width());
        previousHeight = notice->height();
        previousLines = lines;
    }
    EXPECT_EQ(text->text(), longNotice);
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

TEST(TextLabel, OneLineTextShrinksToItsMinimumScaleBeforeItIsClipped) {
    TextLabel name(QStringLiteral("Vantorel"));
    name.setFont(Fonts::system(16, QFont::DemiBold));
    name.setWrapping(false);
    name.setMinimumScaleFactor(0.85);
    const int natural = name.sizeHint().width();
    EXPECT_NEAR(name.minimumSizeHint().width(), natural * 0.85, 1);

    auto inkBounds = [](const QImage& image) {
        QRect bounds;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0) {
                    bounds |= QRect(x, y, 1, 1);
                }
            }
        }
        return bounds;
    };
    name.resize(natural, name.sizeHint().height());
    const auto full = inkBounds(render(name));

    // Squeezed to 90 % it is drawn whole at 90 % of its size; without the factor it keeps its
    // size and loses its end.
    name.resize(int(natural * 0.9), name.sizeHint().height());
    const auto shrunk = inkBounds(render(name));
    EXPECT_NEAR(shrunk.width(), full.width() * 0.9, 2);
    EXPECT_NEAR(shrunk.height(), full.height() * 0.9, 2);
    name.setMinimumScaleFactor(1);
    EXPECT_EQ(inkBounds(render(name)).height(), full.height());
}

TEST(SettingRow, DetailWrapsAndTheControlStaysAtTheTrailingEdge) {
    auto* control = new Switch;
    auto* row = new SettingRow(QStringLiteral("Disconnect when this Mac sleeps"),
                               QStringLiteral("End your session on sleep. You’ll reconnect manually when you return."),
                               QStringLiteral("moon"), control);
    Column column(row);
    auto* detail = row->findChild<TextLabel*>(QStringLiteral("detail"));
    ASSERT_NE(detail, nullptr);
    for (const int width : {760, 320}) {
        SCOPED_TRACE(width);
        column.layOut(width);
        EXPECT_EQ(control->mapTo(row, QPoint(control->width(), 0)).x(), width - 24);
        EXPECT_GE(detail->height(), detail->heightForWidth(detail->width()));
        EXPECT_LT(detail->mapTo(row, QPoint(detail->width(), 0)).x(), control->mapTo(row, QPoint()).x());
    }
    EXPECT_GT(detail->lineCount(detail->width()), 1);
}

TEST(MetricCard, CardsInOneRowShareItsWidthEqually) {
    // Texts of very different lengths must not make one card wider than another.
    const QStringList texts[] = {{"key", "CREDENTIALS", "Keychain", "Passwords stay on this Mac"},
                                 {"network", "TUNNEL ENGINE", "Apple IKEv2", "Native Network Extension"},
                                 {"globe", "LOCATIONS", "0", "Saved"}};
    for (const auto& [width, count] : {std::pair(600, 2), std::pair(901, 2), std::pair(860, 3)}) {
        SCOPED_TRACE(testing::Message() << width << " wide, " << count << " cards");
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(14);
        std::vector<MetricCard*> cards;
        for (const QStringList& text : std::span(texts, count)) {
            cards.push_back(new MetricCard(text[0], text[1], text[2], text[3]));
            layout->addWidget(cards.back());
        }
        window.resize(width, window.heightForWidth(width));
        window.show();
        layout->activate();

        int total = 14 * (count - 1);
        for (auto* card : cards) {
            EXPECT_NEAR(card->width(), cards.front()->width(), 1);
            total += card->width();
        }
        EXPECT_EQ(total, width);
    }
}

TEST(GlobeArtwork, IsSymmetricVioletOnlyAndTransparentAtTheCorners) {
    for (const QSize size : {QSize(440, 235), QSize(600, 400), QSize(441, 236)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        const auto image = renderGlobe(size);
        EXPECT_EQ(image, image.mirrored(true, false));
        const auto off = offTint(image, Palette::violet.color());
        EXPECT_FALSE(off) << off->x() << "," << off->y();
        EXPECT_GT(ink(image), 1000);

        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
    }
}

TEST(GlobeArtwork, IsSharpAtHigherPixelDensities) {
    // At two device pixels per point the outline still covers about two device pixels across,
    // where an upscaled rendering would smear it over four.
    const auto image = GlobeArtwork::image(QSize(440, 235), 2.0);
    ASSERT_EQ(image.size(), QSize(880, 470));
    EXPECT_EQ(image, image.mirrored(true, false));
    const int y = 235;
    int covered = 0;
    for (int x = 220; x < 240; ++x) {
        covered += qAlpha(image.pixel(x, y)) > qAlpha(image.pixel(200, y)) + 4 ? 1 : 0;
    }
    EXPECT_GE(covered, 1);
    EXPECT_LE(covered, 3);
}

TEST(GlobeArtwork, IsHiddenFromAssistiveTechnology) {
    GlobeArtwork globe;
    auto* accessible = QAccessible::queryAccessibleInterface(&globe);
    ASSERT_NE(accessible, nullptr);
    EXPECT_TRUE(accessible->state().invisible);
    EXPECT_TRUE(accessible->text(QAccessible::Name).isEmpty());
}

TEST(Symbols, EveryNameHasADrawing) {
    for (const QString& name : Symbols::names()) {
        SCOPED_TRACE(name.toStdString());
        const auto image = Symbols::image(name, 48, Palette::violet.color());
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(ink(image), 20) << "renders as (nearly) nothing";
    }
    EXPECT_FALSE(Symbols::contains(QStringLiteral("no.such.symbol")));
    EXPECT_TRUE(Symbols::image(QStringLiteral("no.such.symbol"), 48, Palette::violet.color()).isNull());
}

TEST(Symbols, FilledVariantsLookFilled) {
    const auto color = Palette::violet.color();
    const int side = 96;
    EXPECT_GT(ink(Symbols::image(QStringLiteral("star.fill"), side, color)),
              2 * ink(Symbols::image(QStringLiteral("star"), side, color)));

    // The check mark is cut out of the filled shield.
    const auto shield = Symbols::image(QStringLiteral("checkmark.shield.fill"), side, color);
    EXPECT_EQ(alphaAt(shield, 7, 8), 255); // body of the shield
    EXPECT_EQ(alphaAt(shield, 11, 14), 0); // corner of the check mark
    EXPECT_EQ(alphaAt(shield, 1, 1), 0);   // outside

    // Only the left half of the shield is filled.
    const auto half = Symbols::image(QStringLiteral("shield.lefthalf.filled"), side, color);
    EXPECT_EQ(alphaAt(half, 8, 10), 255);
    EXPECT_EQ(alphaAt(half, 16, 10), 0);

    // Continents are cut out of the filled globe.
    const auto globe = Symbols::image(QStringLiteral("globe.europe.africa.fill"), side, color);
    EXPECT_EQ(alphaAt(globe, 5, 16), 255);
    EXPECT_EQ(alphaAt(globe, 19, 15), 0); // on the stroke "M21.54 15H17a2 2 0 0 0-2 2v4.54"
}

TEST(Symbols, AreTintedAndHeavierWithTheWeight) {
    const auto lime = Palette::lime.color();
    const auto off = offTint(Symbols::image(QStringLiteral("power"), 48, lime), lime);
    EXPECT_FALSE(off) << off->x() << "," << off->y();
    double previous = 0;
    for (auto weight : {QFont::ExtraLight, QFont::Light, QFont::Normal, QFont::Medium, QFont::DemiBold, QFont::Bold}) {
        const double current = ink(Symbols::image(QStringLiteral("globe"), 64, lime, weight));
        EXPECT_GT(current, previous) << weight;
        previous = current;
    }
}

TEST(Symbols, ThinStrokesStillReachTheSymbolsColour) {
    // Small symbols have strokes of about a device pixel, and antialiasing alone would only ever
    // show them dimmed where they run between two pixels.
    for (const QString& name : Symbols::names()) {
        for (const auto weight : {QFont::Light, QFont::Normal}) {
            for (const int side : {10, 11, 12, 13, 16, 20, 25}) {
                const auto image = Symbols::image(name, side, Palette::muted.color(), weight);
                int peak = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        peak = std::max(peak, qAlpha(image.pixel(x, y)));
                    }
                }
                EXPECT_EQ(peak, 255) << name.toStdString() << " at " << side << " pixels, weight " << weight;
            }
        }
    }
}

TEST(Symbols, PaintAtTheDevicesPixelDensity) {
    // On a display of two device pixels per point, a 16-point icon is drawn from a 32-pixel
    // rendering, not a 16-pixel one scaled up.
    for (const qreal density : {1.0, 2.0, 3.0}) {
        SCOPED_TRACE(density);
        const int pixels = int(16 * density);
        QImage target(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(density);
        target.fill(Qt::transparent);
        {
            QPainter painter(&target);
            Symbols::paint(painter, QRectF(0, 0, 16, 16), QStringLiteral("clock"), Palette::violet.color());
        }
        auto expected = Symbols::image(QStringLiteral("clock"), pixels, Palette::violet.color());
        expected.setDevicePixelRatio(density);
        EXPECT_EQ(target, expected);
    }
}

TEST(Fonts, EveryWeightIsItsOwnFaceAndCoversTheTextShown) {
    // Characters beyond ASCII that texts of the program show: middle dot, em dash, ellipsis,
    // typographic apostrophe.
    const QString special = QStringLiteral("\u00B7\u2014\u2026\u2019");
    const auto sample = QStringLiteral("Vantorel 0123456789 Hamburg");
    for (const auto design : {Fonts::Design::standard, Fonts::Design::rounded, Fonts::Design::monospaced}) {
        double previous = 0;
        for (const auto weight :
             {QFont::ExtraLight, QFont::Light, QFont::Normal, QFont::Medium, QFont::DemiBold, QFont::Bold}) {
            SCOPED_TRACE(testing::Message() << "design " << int(design) << " weight " << weight);
            const auto font = Fonts::font(design, 20, weight);
            const auto family = Fonts::family(design, weight);
            ASSERT_FALSE(family.isEmpty());
            // The bundled face itself, not a fallback or a synthesised bold.
            EXPECT_EQ(QFontInfo(font).family(), family);
            const auto raw = QRawFont::fromFont(font);
            EXPECT_EQ(raw.familyName(), family);
            for (const QChar c : special + sample) {
                EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
            }
            const double current = ink(font, sample + special);
            EXPECT_GT(current, previous * 1.04) << "no heavier than the weight before";
            previous = current;
        }
    }
    EXPECT_EQ(QFontInfo(Fonts::system(13)).pixelSize(), 13);
    const auto tracked = Fonts::tracked(Fonts::system(9, QFont::DemiBold), 1.8);
    EXPECT_EQ(tracked.letterSpacingType(), QFont::AbsoluteSpacing);
    EXPECT_NEAR(tracked.letterSpacing(), 1.8, 1.0 / 64); // Qt keeps it in 1/64ths
}

TEST(Theme, AScrollBarIsAHandleThatFollowsADrag) {
    QWidget window;
    auto* bar = new QScrollBar(Qt::Vertical, &window);
    bar->setRange(0, 300);
    bar->setPageStep(100);
    bar->setGeometry(0, 0, bar->sizeHint().width(), 400);
    window.show();
    // The first and last rows anything is drawn in: the handle's, as there are no arrows and no track.
    const auto drawnRows = [&] {
        const auto image = render(*bar);
        std::pair rows(-1, -1);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0) {
                    rows = {rows.first < 0 ? y : rows.first, y};
                }
            }
        }
        return rows;
    };
    const auto [top, bottom] = drawnRows();
    ASSERT_GE(top, 0);
    // A page of 100 in 400 is shown, so the handle is about a quarter of the bar.
    const int length = bottom - top + 1;
    EXPECT_NEAR(length, 100, 6);

    const QPoint grip(bar->width() / 2, (top + bottom) / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(0, 90));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(0, 90));
    // The handle went with the pointer, and the value with the handle: the range over its travel.
    EXPECT_EQ(drawnRows().first, top + 90);
    EXPECT_NEAR(bar->value(), 90.0 * 300 / (400 - length), 4);
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
    EXPECT_EQ(colors.color(QPalette::Active, QPalette::Highlight), Palette::violet.color());
    EXPECT_EQ(colors.color(QPalette::Active, QPalette::HighlightedText), Palette::background.color());

    // Render Qt's own widgets and check that light pixels are no more than their text.
    auto* menu = new QMenu;
    menu->addAction(QStringLiteral("Add Location…"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Quit Vantorel"))->setEnabled(false);
    auto* bar = new QScrollBar(Qt::Vertical);
    bar->setRange(0, 100);
    bar->resize(16, 200);
    auto* box = new QComboBox;
    box->addItem(QStringLiteral("United Kingdom"));
    const std::pair<const char*, QWidget*> widgets[] = {
        {"menu", menu},
        {"scroll bar", bar},
        {"field", new QLineEdit(QStringLiteral("uk.provider.example"))},
        {"combo box", box},
        {"push button", new QPushButton(QStringLiteral("Select"))},
        {"message box", new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Vantorel"),
                                        QStringLiteral("Your library could not be saved."), QMessageBox::Ok)},
    };
    for (const auto& [name, raw] : widgets) {
        SCOPED_TRACE(name);
        std::unique_ptr<QWidget> widget(raw);
        widget->ensurePolished();
        if (widget->size().isEmpty() || widget->size() == QSize(640, 480)) {
            widget->resize(widget->sizeHint().expandedTo(QSize(16, 16)));
        }
        const auto image = widget->grab().toImage();
        // The commonest colour is the widget's own background; light pixels are its text.
        QHash<QRgb, int> counts;
        int light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                ++counts[pixel];
                light += lightness(pixel) > 0.6 ? 1 : 0;
            }
        }
        const auto commonest = std::max_element(counts.cbegin(), counts.cend());
        EXPECT_LT(lightness(commonest.key()), 0.3);
        EXPECT_LT(light / (double(image.width()) * image.height()), 0.3);
    }
}
