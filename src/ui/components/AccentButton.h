#pragma once

#include "ui/components/KeyboardFocus.h"

#include <QMargins>
#include <QPushButton>

namespace vantorel {

class Spinner;

// A push button drawn with AccentButtonStyle. Its label is an optional leading symbol (or, while
// busy, a spinner in its place) and the text, in the widget's font. Like the style, it adds no
// padding or size of its own: callers set the padding or a fixed size.
class AccentButton final : public KeyboardFocus<QPushButton> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccentButton)

public:
    explicit AccentButton(const QString& text = {}, QWidget* parent = nullptr);

    void setSymbol(const QString& name);
    QString symbol() const { return m_symbol; }
    void setBusy(bool busy);
    void setPadding(const QMargins& padding);
    // Gap between the symbol (or spinner) and the text.
    void setLabelSpacing(int spacing);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Geometry {
        QRectF symbol;
        QRectF text;
    };
    Geometry contentGeometry() const;
    QSizeF contentSize() const;
    void placeSpinner();

    QString m_symbol;
    Spinner* m_spinner = nullptr;
    QMargins m_padding;
    int m_labelSpacing = 8;
    bool m_busy = false;
};

} // namespace vantorel
