#pragma once

#include <QColor>

class QPainter;
class QRectF;

namespace vantorel {

// The look of the filled accent button: violet behind a label in the background colour. Only
// the fill's opacity follows the button's state; the shape and the label never change.
class AccentButtonStyle final {
public:
    AccentButtonStyle() = delete;

    static constexpr qreal cornerRadius = 9;

    // 1.0 at rest, 0.75 while pressed, 0.4 whenever disabled (pressed or not).
    static qreal fillOpacity(bool enabled, bool pressed);
    static QColor fillColor(bool enabled, bool pressed);
    static QColor labelColor();

    static void paintBackground(QPainter& painter, const QRectF& area, bool enabled, bool pressed);
};

} // namespace vantorel
