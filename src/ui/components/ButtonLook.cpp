#include "ui/components/ButtonLook.h"

#include "ui/components/Palette.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace vantorel {

namespace {

void drawPanel(QPainter& painter, const QRectF& area, qreal lift, const PlainButtonState& state) {
    constexpr qreal radius = 7;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = area.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setBrush(Palette::text.color(lift));
    painter.setPen(QPen(Palette::line.color(state.enabled ? 0.12 : 0.06), 1));
    painter.drawRoundedRect(box, radius, radius);
    if (state.keyboardFocus) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Palette::violet.color(0.8), 1.5));
        painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
}

} // namespace

void paintPlainButtonPanel(QPainter& painter, const QRectF& area, const PlainButtonState& state) {
    qreal lift = 0.08;
    if (!state.enabled || state.down) {
        lift = 0.04;
    } else if (state.hovered) {
        lift = 0.12;
    }
    // Antialiased rounded rectangles are costly to fill, and a list repeats the same button in the
    // same few states on every row: each panel is drawn once per size, state and pixel density.
    const qreal density = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const QString key = QStringLiteral("vantorel-button-%1x%2@%3-%4-%5-%6")
                            .arg(area.width())
                            .arg(area.height())
                            .arg(density)
                            .arg(lift)
                            .arg(state.enabled)
                            .arg(state.keyboardFocus);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap((area.size() * density).toSize());
        panel.setDevicePixelRatio(density);
        panel.fill(Qt::transparent);
        QPainter onPanel(&panel);
        drawPanel(onPanel, QRectF(QPointF(), area.size()), lift, state);
        onPanel.end();
        QPixmapCache::insert(key, panel);
    }
    painter.drawPixmap(area.topLeft(), panel);
}

} // namespace vantorel
