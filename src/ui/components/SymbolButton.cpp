#include "ui/components/SymbolButton.h"

#include "ui/components/ButtonLook.h"
#include "ui/components/Palette.h"
#include "ui/components/Symbols.h"

#include <QPainter>

namespace vantorel {

SymbolButton::SymbolButton(const QString& symbol, QWidget* parent)
    : KeyboardFocus(parent), m_symbol(symbol), m_color(Palette::violet.color()) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void SymbolButton::setSymbol(const QString& symbol) {
    m_symbol = symbol;
    update();
}

void SymbolButton::setColor(const QColor& color) {
    m_color = color;
    update();
}

void SymbolButton::setFill(const QColor& fill) {
    m_fill = fill;
    update();
}

void SymbolButton::setPadding(int padding) {
    m_padding = padding;
    updateGeometry();
    update();
}

QSize SymbolButton::sizeHint() const {
    const int side = Symbols::side(font()) + 2 * m_padding;
    return {side, side};
}

void SymbolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(borderlessButtonOpacity(*this));
    const QRectF area = rect();
    const qreal radius = std::min(area.width(), area.height()) / 2;
    if (m_fill.isValid() && m_fill.alpha() > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_fill);
        painter.drawRoundedRect(area, radius, radius);
    }
    if (showsKeyboardFocus()) {
        painter.setPen(QPen(Palette::violet.color(0.8), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(area.adjusted(0.75, 0.75, -0.75, -0.75), radius - 0.75, radius - 0.75);
    }
    const int side = Symbols::side(font());
    const QRectF box(std::floor((width() - side) / 2.0), std::floor((height() - side) / 2.0), side, side);
    Symbols::paint(painter, box, m_symbol, m_color, QFont::Weight(font().weight()));
}

} // namespace vantorel
