#pragma once

#include <QAbstractButton>

class QPainter;
class QRectF;

namespace vantorel {

// Borderless buttons (only a text or a symbol) have no fill to fade, so the whole button fades
// instead: a little while it is held down, more while it is disabled.
inline qreal borderlessButtonOpacity(const QAbstractButton& button) {
    if (!button.isEnabled()) {
        return 0.45;
    }
    return button.isDown() ? 0.6 : 1.0;
}

// The panel of a plain push button ("Select", "Cancel", an alert's "OK"): rounded and faintly lit,
// brighter while hovered, darker while held down, dimmed while disabled, with a violet ring when
// the keyboard brought focus to it.
struct PlainButtonState {
    bool enabled = true;
    bool down = false;
    bool hovered = false;
    bool keyboardFocus = false;
};
void paintPlainButtonPanel(QPainter& painter, const QRectF& area, const PlainButtonState& state);

// Room a plain push button keeps around its text.
inline constexpr int plainButtonHorizontalPadding = 14;
inline constexpr int plainButtonVerticalPadding = 7;
inline constexpr int plainButtonMinimumHeight = 30;

} // namespace vantorel
