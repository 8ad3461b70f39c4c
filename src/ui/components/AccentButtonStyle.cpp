#include "ui/components/AccentButtonStyle.h"

#include "ui/components/Palette.h"

#include <QPainter>

namespace vantorel {

qreal AccentButtonStyle::fillOpacity(bool enabled, bool pressed) {
    if (!enabled) {
        return 0.4;
    }
    return pressed ? 0.75 : 1.0;
}

QColor AccentButtonStyle::fillColor(bool enabled, bool pressed) {
    return Palette::violet.color(fillOpacity(enabled, pressed));
}

QColor AccentButtonStyle::labelColor() {
    return Palette::background.color();
}

void AccentButtonStyle::paintBackground(QPainter& painter, const QRectF& area, bool enabled, bool pressed) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fillColor(enabled, pressed));
    painter.drawRoundedRect(area, cornerRadius, cornerRadius);
    painter.restore();
}

} // namespace vantorel
