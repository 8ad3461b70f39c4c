#pragma once

#include <QColor>

namespace vantorel {

// One colour as sRGB components and an opacity from 0 to 1, kept as exact decimal fractions so
// that nothing is rounded before it reaches the painter.
struct SrgbColor {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double opacity = 1.0;

    QColor color() const { return color(opacity); }
    // The same colour at another opacity, as in "violet at 12 %".
    QColor color(double newOpacity) const {
        return QColor::fromRgbF(float(red), float(green), float(blue), float(newOpacity));
    }
};

// The program's one dark colour scheme. Every colour on screen comes from here.
class Palette final {
public:
    Palette() = delete;

    static constexpr SrgbColor background{0.055, 0.045, 0.083};
    static constexpr SrgbColor sidebar{0.075, 0.062, 0.108};
    static constexpr SrgbColor panel{0.105, 0.088, 0.145};
    static constexpr SrgbColor violet{0.73, 0.61, 1.0};
    static constexpr SrgbColor lime{0.8, 0.96, 0.48};
    static constexpr SrgbColor muted{0.61, 0.57, 0.68};
    static constexpr SrgbColor line{1.0, 1.0, 1.0, 0.08};

    // Not among the seven named colours, but needed wherever the toolkit would otherwise pick its
    // own: primary text is the dark scheme's label white, error text a pink that reads on
    // `background`.
    static constexpr SrgbColor text{1.0, 1.0, 1.0, 0.85};
    static constexpr SrgbColor error{1.0, 0.216, 0.373};
};

} // namespace vantorel
