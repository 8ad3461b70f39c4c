#include "ui/components/SymbolLabel.h"

#include "ui/components/Accessibility.h"
#include "ui/components/Symbols.h"

#include <QEvent>
#include <QPainter>

namespace vantorel {

SymbolLabel::SymbolLabel(const QString& name, QWidget* parent) : QWidget(parent), m_name(name) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

SymbolLabel* SymbolLabel::decorative(const QString& name, const QFont& font, const QColor& color, QWidget* parent) {
    auto* symbol = new SymbolLabel(name, parent);
    symbol->setFont(font);
    symbol->setColor(color);
    hideFromAccessibility(symbol);
    return symbol;
}

void SymbolLabel::setSymbol(const QString& name) {
    if (name == m_name) {
        return;
    }
    m_name = name;
    update();
}

void SymbolLabel::setColor(const QColor& color) {
    auto colors = palette();
    colors.setColor(foregroundRole(), color);
    setPalette(colors);
    update();
}

QColor SymbolLabel::color() const {
    return palette().color(foregroundRole());
}

void SymbolLabel::setBoxWidth(int width) {
    m_boxWidth = width;
    updateGeometry();
    update();
}

QSize SymbolLabel::sizeHint() const {
    const int side = Symbols::side(font());
    return QSize(std::max(side, m_boxWidth), side);
}

void SymbolLabel::paintEvent(QPaintEvent*) {
    const int side = Symbols::side(font());
    // Whole logical pixels keep the cached rendering aligned to the device's pixel grid.
    const QRectF box(std::floor((width() - side) / 2.0), std::floor((height() - side) / 2.0), side, side);
    QPainter painter(this);
    Symbols::paint(painter, box, m_name, color(), QFont::Weight(font().weight()));
}

void SymbolLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
}

} // namespace vantorel
