#include "ui/components/AccentButton.h"

#include "ui/components/AccentButtonStyle.h"
#include "ui/components/Palette.h"
#include "ui/components/Spinner.h"
#include "ui/components/Symbols.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace vantorel {

AccentButton::AccentButton(const QString& text, QWidget* parent) : KeyboardFocus(text, parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void AccentButton::setSymbol(const QString& name) {
    m_symbol = name;
    updateGeometry();
    update();
}

void AccentButton::setBusy(bool busy) {
    if (busy == m_busy) {
        return;
    }
    m_busy = busy;
    if (busy && m_spinner == nullptr) {
        m_spinner = new Spinner(this);
        m_spinner->setObjectName(QStringLiteral("spinner"));
        m_spinner->setColor(AccentButtonStyle::labelColor());
        m_spinner->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    if (m_spinner != nullptr) {
        m_spinner->setVisible(busy);
        placeSpinner();
    }
    updateGeometry();
    update();
}

void AccentButton::setPadding(const QMargins& padding) {
    m_padding = padding;
    updateGeometry();
    placeSpinner();
}

void AccentButton::setLabelSpacing(int spacing) {
    m_labelSpacing = spacing;
    updateGeometry();
    placeSpinner();
    update();
}

QSizeF AccentButton::contentSize() const {
    const QFontMetricsF metrics(font());
    const qreal textWidth = metrics.horizontalAdvance(text());
    qreal width = textWidth;
    qreal height = metrics.height();
    if (m_busy || !m_symbol.isEmpty()) {
        const qreal side = m_busy ? m_spinner->sizeHint().width() : Symbols::side(font());
        width += side + (text().isEmpty() ? 0 : m_labelSpacing);
        height = std::max(height, side);
    }
    return {width, height};
}

AccentButton::Geometry AccentButton::contentGeometry() const {
    const auto content = contentSize();
    const QRectF area = QRectF(rect()).marginsRemoved(m_padding.toMarginsF());
    // Whole pixels keep the symbol and text on the pixel grid.
    const qreal left = std::round(area.left() + (area.width() - content.width()) / 2);
    const qreal middle = area.top() + area.height() / 2;
    Geometry result;
    qreal x = left;
    if (m_busy || !m_symbol.isEmpty()) {
        const qreal side = m_busy ? m_spinner->sizeHint().width() : Symbols::side(font());
        result.symbol = QRectF(x, std::round(middle - side / 2), side, side);
        x += side + (text().isEmpty() ? 0 : m_labelSpacing);
    }
    const QFontMetricsF metrics(font());
    result.text = QRectF(x, std::round(middle - metrics.height() / 2), content.width() - (x - left), metrics.height());
    return result;
}

QSize AccentButton::sizeHint() const {
    const auto content = contentSize();
    return QSize(int(std::ceil(content.width())) + m_padding.left() + m_padding.right(),
                 int(std::ceil(content.height())) + m_padding.top() + m_padding.bottom());
}

void AccentButton::placeSpinner() {
    if (m_spinner != nullptr && m_busy) {
        m_spinner->setGeometry(contentGeometry().symbol.toRect());
    }
}

void AccentButton::paintEvent(QPaintEvent*) {
    // The text may have changed since the spinner was placed (setText is not virtual).
    placeSpinner();
    QPainter painter(this);
    const bool enabled = isEnabled();
    AccentButtonStyle::paintBackground(painter, rect(), enabled, isDown());
    if (showsKeyboardFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(AccentButtonStyle::labelColor(), 1.5));
        painter.setBrush(Qt::NoBrush);
        const qreal radius = AccentButtonStyle::cornerRadius - 2;
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), radius, radius);
    }

    const auto geometry = contentGeometry();
    const auto label = AccentButtonStyle::labelColor();
    if (!m_busy && !m_symbol.isEmpty()) {
        Symbols::paint(painter, geometry.symbol, m_symbol, label, QFont::Weight(font().weight()));
    }
    painter.setFont(font());
    painter.setPen(label);
    painter.drawText(geometry.text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
}

void AccentButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    placeSpinner();
}

void AccentButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        placeSpinner();
    }
}

} // namespace vantorel
