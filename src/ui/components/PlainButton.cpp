#include "ui/components/PlainButton.h"

#include "ui/components/ButtonLook.h"

#include <QPainter>

namespace vantorel {

PlainButton::PlainButton(QWidget* parent) : KeyboardFocus(parent) {
    setAttribute(Qt::WA_Hover);
    m_title.setTextFormat(Qt::PlainText);
}

void PlainButton::paintEvent(QPaintEvent*) {
    if (text() != m_shapedText || font() != m_shapedFont) {
        m_shapedText = text();
        m_shapedFont = font();
        m_title.setText(m_shapedText);
        m_title.prepare(QTransform(), m_shapedFont);
    }
    QPainter painter(this);
    paintPlainButtonPanel(painter, rect(), {isEnabled(), isDown(), underMouse(), showsKeyboardFocus()});
    const QSizeF size = m_title.size();
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawStaticText(
        QPointF(std::round((width() - size.width()) / 2), std::round((height() - size.height()) / 2)), m_title);
}

} // namespace vantorel
