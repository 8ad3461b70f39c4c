#include "ui/components/IconLabel.h"

#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <cmath>

namespace vantorel {

IconLabel::IconLabel(const QString& symbol, const QString& text, QWidget* parent)
    : QWidget(parent), m_symbol(new SymbolLabel(symbol, this)), m_text(new TextLabel(text, this)) {
    m_text->setWrapping(false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_symbol, 0, Qt::AlignVCenter);
    row->addWidget(m_text, 0, Qt::AlignVCenter);
    row->addStretch(1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    updateSpacing();
}

void IconLabel::updateSpacing() {
    // Icon and text sit about half a letter height apart at every size.
    const int size = font().pixelSize() > 0 ? font().pixelSize() : QFontInfo(font()).pixelSize();
    layout()->setSpacing(std::max(3, int(std::lround(size * 0.5))));
}

void IconLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateSpacing();
    }
}

void IconLabel::setSymbol(const QString& symbol) {
    m_symbol->setSymbol(symbol);
}

void IconLabel::setText(const QString& text) {
    m_text->setText(text);
}

QString IconLabel::text() const {
    return m_text->text();
}

void IconLabel::setColor(const QColor& color) {
    m_symbol->setColor(color);
    m_text->setColor(color);
}

} // namespace vantorel
