#pragma once

#include "ui/components/KeyboardFocus.h"

#include <QPushButton>

namespace vantorel {

// A button that shows only a symbol, sized by the widget's font, optionally on a round fill
// (a circle when the padding makes it square). It shows no text, so give it an accessible name.
class SymbolButton final : public KeyboardFocus<QPushButton> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SymbolButton)

public:
    explicit SymbolButton(const QString& symbol, QWidget* parent = nullptr);

    void setSymbol(const QString& symbol);
    QString symbol() const { return m_symbol; }
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    // Drawn as a capsule behind the symbol; none by default.
    void setFill(const QColor& fill);
    void setPadding(int padding);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QColor m_color;
    QColor m_fill;
    int m_padding = 0;
};

} // namespace vantorel
