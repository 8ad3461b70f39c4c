#include "ui/components/ToggleButton.h"

#include "ui/components/Palette.h"
#include "ui/components/Symbols.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace vantorel {
namespace {

constexpr qreal radius = 8;

int gap(const QFont& font) {
    return std::max(4, int(std::lround(font.pixelSize() * 0.45)));
}

} // namespace

ToggleButton::ToggleButton(const QString& symbol, const QString& text, QWidget* parent)
    : KeyboardFocus(text, parent), m_symbol(symbol) {
    setCheckable(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void ToggleButton::setPadding(const QMargins& padding) {
    m_padding = padding;
    updateGeometry();
    update();
}

QSize ToggleButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    const int side = Symbols::side(font());
    const qreal width = side + gap(font()) + metrics.horizontalAdvance(text());
    const qreal height = std::max<qreal>(side, metrics.height());
    return QSize(int(std::ceil(width)) + m_padding.left() + m_padding.right(),
                 int(std::ceil(height)) + m_padding.top() + m_padding.bottom());
}

void ToggleButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    const bool on = isChecked();
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = on ? Palette::violet.color(isDown() ? 0.26 : 0.16) : Palette::panel.color();
    if (!on && isDown()) {
        fill = Palette::text.color(0.12);
    }
    painter.setBrush(fill);
    painter.setPen(QPen(on ? Palette::violet.color(0.5) : Palette::line.color(), 1));
    painter.drawRoundedRect(area, radius, radius);
    if (showsKeyboardFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Palette::violet.color(0.8), 1.5));
        painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }

    const QFontMetricsF metrics(font());
    const int side = Symbols::side(font());
    const qreal content = side + gap(font()) + metrics.horizontalAdvance(text());
    const qreal left = std::round((width() - content) / 2);
    const qreal middle = height() / 2.0;
    const QColor label = on ? Palette::violet.color() : Palette::text.color();
    Symbols::paint(painter, QRectF(left, std::round(middle - side / 2.0), side, side), m_symbol,
                   on ? label : Palette::muted.color(), QFont::Weight(font().weight()));
    painter.setFont(font());
    painter.setPen(label);
    painter.drawText(QRectF(left + side + gap(font()), 0, width(), height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace vantorel
