#include "ui/components/AccentButton.h"
#include "ui/components/AccentButtonStyle.h"
#include "ui/components/Fonts.h"
#include "ui/components/MetricCard.h"
#include "ui/components/Notice.h"
#include "ui/components/Palette.h"
#include "ui/components/SettingRow.h"
#include "ui/components/Spinner.h"
#include "ui/components/Switch.h"
#include "ui/components/TextLabel.h"

#include <QHBoxLayout>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace vantorel;

namespace {

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
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
    struct Row {
        bool enabled;
        bool pressed;
        int alpha;
    };
    const Row rows[] = {
        {true, false, 255},  // 1.0
        {true, true, 191},   // 0.75
        {false, false, 102}, // 0.4
        {false, true, 102},  // pressing a disabled button changes nothing
    };
    const auto violet = Palette::violet.color();
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "enabled " << row.enabled << " pressed " << row.pressed);
        AccentButton button(QStringLiteral("Set up your service"));
        button.setFont(Fonts::system(13, QFont::DemiBold));
        button.setSymbol(QStringLiteral("arrow.right"));
        button.setFixedSize(216, 45);
        button.setEnabled(row.enabled);
        button.setDown(row.pressed);
        const auto image = render(button);

        // Inside the rounded corners and clear of the centred label: fill only.
        for (const QPoint point : {QPoint(10, 22), QPoint(205, 22), QPoint(108, 3)}) {
            const QRgb pixel = image.pixel(point);
            EXPECT_NEAR(qAlpha(pixel), row.alpha, 1) << point.x() << "," << point.y();
            EXPECT_NEAR(qRed(pixel), violet.redF() * row.alpha, 1);
            EXPECT_NEAR(qBlue(pixel), violet.blueF() * row.alpha, 1);
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
    struct Row {
        QString text;
        int lines;
    };
    const Row rows[] = {{QStringLiteral("one"), 1}, {QStringLiteral("one\ntwo"), 2}, {QStringLiteral("a\nb\nc"), 3}};
    for (const auto& row : rows) {
        TextLabel plain(row.text);
        plain.setFont(Fonts::system(11));
        TextLabel spaced(row.text);
        spaced.setFont(Fonts::system(11));
        spaced.setLineSpacing(4);
        EXPECT_EQ(spaced.heightForWidth(400) - plain.heightForWidth(400), 4 * (row.lines - 1)) << row.lines;
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
    struct Row {
        int width;
        int cards;
    };
    const Row rows[] = {{600, 2}, {901, 2}, {860, 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << " wide, " << row.cards << " cards");
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(14);
        // Texts of very different lengths must not make one card wider than another.
        std::vector<MetricCard*> cards;
        cards.push_back(new MetricCard(QStringLiteral("key"), QStringLiteral("CREDENTIALS"), QStringLiteral("Keychain"),
                                       QStringLiteral("Passwords stay on this Mac")));
        cards.push_back(new MetricCard(QStringLiteral("network"), QStringLiteral("TUNNEL ENGINE"),
                                       QStringLiteral("Apple IKEv2"), QStringLiteral("Native Network Extension")));
        if (row.cards == 3) {
            cards.push_back(new MetricCard(QStringLiteral("globe"), QStringLiteral("LOCATIONS"), QStringLiteral("0"),
                                           QStringLiteral("Saved")));
        }
        for (auto* card : cards) {
            layout->addWidget(card);
        }
        window.resize(row.width, window.heightForWidth(row.width));
        window.show();
        layout->activate();

        int total = 14 * (row.cards - 1);
        for (auto* card : cards) {
            EXPECT_NEAR(card->width(), cards.front()->width(), 1);
            total += card->width();
        }
        EXPECT_EQ(total, row.width);
    }
}
