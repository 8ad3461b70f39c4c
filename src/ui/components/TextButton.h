#pragma once

#include "ui/components/KeyboardFocus.h"

#include <QPushButton>

namespace vantorel {

// A borderless button that is only its text, in one colour ("Manage locations"). It dims while
// pressed or disabled and shows a ring when the keyboard brings focus to it.
class TextButton final : public KeyboardFocus<QPushButton> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextButton)

public:
    explicit TextButton(const QString& text = {}, QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantorel
