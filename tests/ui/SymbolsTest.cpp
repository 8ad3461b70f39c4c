#include "ui/components/Symbols.h"

#include "ui/components/Palette.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace vantorel;

namespace {

double ink(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qAlpha(image.pixel(x, y));
        }
    }
    return sum / 255;
}

// Opacity at a point given on the icon set's 24-unit grid.
int alphaAt(const QImage& image, double gridX, double gridY) {
    return qAlpha(image.pixel(int(gridX / 24 * image.width()), int(gridY / 24 * image.height())));
}

} // namespace

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
    const auto image = Symbols::image(QStringLiteral("power"), 48, lime);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_NEAR(qGreen(pixel), lime.greenF() * qAlpha(pixel), 1);
            ASSERT_NEAR(qBlue(pixel), lime.blueF() * qAlpha(pixel), 1);
        }
    }
    double previous = 0;
    for (auto weight : {QFont::ExtraLight, QFont::Light, QFont::Normal, QFont::Medium, QFont::DemiBold, QFont::Bold}) {
        const double current = ink(Symbols::image(QStringLiteral("globe"), 64, lime, weight));
        EXPECT_GT(current, previous) << weight;
        previous = current;
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
