#pragma once

#include <QWidget>

namespace vantorel {

class SymbolLabel;
class TextLabel;

// A symbol followed by a short text, both in the widget's font and one colour (the caption of a
// metric card, "CONNECTION STATUS").
class IconLabel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IconLabel)

public:
    IconLabel(const QString& symbol, const QString& text, QWidget* parent = nullptr);

    void setSymbol(const QString& symbol);
    void setText(const QString& text);
    QString text() const;
    void setColor(const QColor& color);

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateSpacing();

    SymbolLabel* m_symbol;
    TextLabel* m_text;
};

} // namespace vantorel
