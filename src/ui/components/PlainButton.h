#pragma once

#include "ui/components/KeyboardFocus.h"

#include <QPushButton>
#include <QStaticText>

namespace vantorel {

// A plain push button that looks exactly like the ones the theme draws for Qt, but keeps its
// title shaped between paints. For buttons repeated down a long list ("Select"), where a
// repaint of the visible rows would otherwise shape every title again.
class PlainButton final : public KeyboardFocus<QPushButton> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlainButton)

public:
    explicit PlainButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStaticText m_title;
    QString m_shapedText;
    QFont m_shapedFont;
};

} // namespace vantorel
