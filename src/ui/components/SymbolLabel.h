#pragma once

#include <QWidget>

namespace vantorel {

// One symbol, sized by the widget's font as an icon beside text in that font would be, in the
// given colour (the palette's text colour when none is given).
class SymbolLabel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SymbolLabel)

public:
    explicit SymbolLabel(const QString& name = {}, QWidget* parent = nullptr);
    // A symbol that only decorates what stands beside it, kept out of what assistive technology reads.
    static SymbolLabel* decorative(const QString& name, const QFont& font, const QColor& color, QWidget* parent);

    void setSymbol(const QString& name);
    QString symbol() const { return m_name; }

    void setColor(const QColor& color);
    QColor color() const;

    // A box wider than the icon, with the icon centred in it, keeps a column of icons aligned.
    void setBoxWidth(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_name;
    int m_boxWidth = 0;
};

} // namespace vantorel
