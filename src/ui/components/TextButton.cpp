#include "ui/components/TextButton.h"

#include "ui/components/ButtonLook.h"
#include "ui/components/Palette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace vantorel {
namespace {

// Just enough room around the text for the focus ring not to touch the letters.
constexpr QMargins ringRoom{3, 2, 3, 2};

} // namespace

TextButton::TextButton(const QString& text, QWidget* parent) : KeyboardFocus(text, parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void TextButton::setColor(const QColor& color) {
    auto colors = palette();
    colors.setColor(QPalette::ButtonText, color);
    setPalette(colors);
    update();
}

QColor TextButton::color() const {
    return palette().color(QPalette::ButtonText);
}

QSize TextButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    return QSize(int(std::ceil(metrics.horizontalAdvance(text()))) + ringRoom.left() + ringRoom.right(),
                 int(std::ceil(metrics.height())) + ringRoom.top() + ringRoom.bottom());
}

void TextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(borderlessButtonOpacity(*this));
    if (showsKeyboardFocus()) {
        painter.setPen(QPen(Palette::violet.color(0.6), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    painter.setFont(font());
    painter.setPen(color());
    painter.drawText(rect().marginsRemoved(ringRoom), Qt::AlignCenter | Qt::TextSingleLine, text());
}

} // namespace vantorel
