#include "ui/components/GlobeArtwork.h"

#include "ui/components/Palette.h"

#include <QAccessible>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

using namespace vantorel;

namespace {

QImage render(QSize size) {
    GlobeArtwork globe;
    globe.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    globe.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// Columns where, on the row through the centre, the globe's outline is drawn: its stroke stands
// out from the halo's smooth fade as a local peak of opacity. Returns the opacity-weighted centre
// of the first and of the last peak within 150 of the centre (the arcs lie further out).
std::pair<double, double> outlineOnCentreRow(const QImage& image) {
    const int y = image.height() / 2;
    const int cx = image.width() / 2;
    std::vector<double> excess;
    for (int x = cx - 150; x < cx + 150; ++x) {
        // Opacity above the average of the neighbours two pixels away: zero on the smooth halo.
        const double here = qAlpha(image.pixel(x, y));
        const double around = (qAlpha(image.pixel(x - 2, y)) + qAlpha(image.pixel(x + 2, y))) / 2.0;
        excess.push_back(std::max(0.0, here - around));
    }
    auto centreOfRun = [&](int from, int step) {
        int i = from;
        while (excess[i] < 4) {
            i += step;
        }
        double weight = 0;
        double sum = 0;
        for (int j = i; j >= 0 && j < int(excess.size()) && excess[j] > 0; j += step) {
            weight += excess[j];
            sum += excess[j] * (cx - 150 + j + 0.5);
        }
        return sum / weight;
    };
    return {centreOfRun(0, 1), centreOfRun(int(excess.size()) - 1, -1)};
}

} // namespace

TEST(GlobeArtwork, IsSymmetricVioletOnlyAndTransparentAtTheCorners) {
    const auto violet = Palette::violet.color();
    for (const QSize size : {QSize(440, 235), QSize(600, 400), QSize(441, 236)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        const auto image = render(size);

        EXPECT_EQ(image, image.mirrored(true, false));

        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const int alpha = qAlpha(pixel);
                if (alpha == 0) {
                    continue;
                }
                ++drawn;
                // Premultiplied: each channel is violet's times the pixel's opacity, give or take
                // the rounding to eight bits.
                ASSERT_NEAR(qRed(pixel), violet.redF() * alpha, 1) << x << "," << y;
                ASSERT_NEAR(qGreen(pixel), violet.greenF() * alpha, 1) << x << "," << y;
                ASSERT_NEAR(qBlue(pixel), violet.blueF() * alpha, 1) << x << "," << y;
            }
        }
        EXPECT_GT(drawn, 1000);

        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
    }
}

TEST(GlobeArtwork, KeepsItsSizeAroundTheCentre) {
    struct Row {
        QSize size;
        double left;
        double right;
    };
    const Row rows[] = {
        {{440, 235}, 115, 325},
        {{600, 400}, 195, 405},
        {{320, 235}, 55, 265},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.size.width() << "x" << row.size.height());
        const auto [left, right] = outlineOnCentreRow(render(row.size));
        EXPECT_NEAR(left, row.left, 0.5);
        EXPECT_NEAR(right, row.right, 0.5);
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
