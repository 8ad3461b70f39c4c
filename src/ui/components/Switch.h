#pragma once

#include "ui/components/KeyboardFocus.h"

#include <QAbstractButton>

class QVariantAnimation;

namespace vantorel {

// An on/off switch: a capsule track, violet when on, with a round knob. It is a checkable button, so
// Space toggles it and assistive technology reads its state; give it an accessible name, since it
// shows no text. The knob slides only when a person flips the switch (a click, Space); a value set
// from code, such as a view showing its model, is drawn at once.
class Switch final : public KeyboardFocus<QAbstractButton> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Switch)

public:
    explicit Switch(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {38, 22}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;

private:
    QVariantAnimation* m_slide;
    qreal m_position = 0; // 0 off, 1 on
    bool m_flipping = false;
};

} // namespace vantorel
