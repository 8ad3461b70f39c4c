#include "ui/components/Panel.h"

#include "ui/components/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace vantorel {

Panel::Panel(QWidget* parent) : QWidget(parent), m_fill(Palette::panel.color()) {}

void Panel::setFill(const QColor& fill) {
    m_fill = fill;
    update();
}

void Panel::setCornerRadius(qreal radius) {
    m_radius = radius;
    update();
}

void Panel::setCapsule(bool capsule) {
    m_capsule = capsule;
    update();
}

void Panel::setOutline(const QColor& color, qreal width) {
    m_outline = color;
    m_outlineWidth = width;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    const qreal radius = m_capsule ? std::min(area.width(), area.height()) / 2 : m_radius;
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_fill);
    painter.drawRoundedRect(area, radius, radius);
    if (m_outline.isValid() && m_outlineWidth > 0) {
        const qreal inset = m_outlineWidth / 2;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(m_outline, m_outlineWidth));
        painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), radius - inset, radius - inset);
    }
}

} // namespace vantorel
