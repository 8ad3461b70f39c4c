#pragma once

#include "ui/components/KeyboardFocus.h"

#include <QPushButton>

namespace vantorel {

// A checkable push button with a symbol and a text, highlighted in violet while it is on (the
// favourites filter). Padding 12 by 8 unless the caller sets another.
class ToggleButton final : public KeyboardFocus<QPushButton> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToggleButton)

public:
    ToggleButton(const QString& symbol, const QString& text, QWidget* parent = nullptr);

    void setPadding(const QMargins& padding);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QMargins m_padding{12, 8, 12, 8};
};

} // namespace vantorel
