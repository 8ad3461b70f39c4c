#include "ui/shell/StatusDot.h"

#include "ui/components/Accessibility.h"
#include "ui/components/Palette.h"

#include <QPainter>

namespace vantorel {

StatusDot::StatusDot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("statusDot"));
    setFixedSize(6, 6);
    // The phase title beside it says the same in words.
    hideFromAccessibility(this);
}

void StatusDot::setLit(bool lit) {
    if (m_lit != lit) {
        m_lit = lit;
        update();
    }
}

QColor StatusDot::color() const {
    return (m_lit ? Palette::lime : Palette::muted).color();
}

void StatusDot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color());
    painter.drawEllipse(QRectF(rect()));
}

} // namespace vantorel
