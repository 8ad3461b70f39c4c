#pragma once

#include <QAbstractButton>

namespace vantorel {

// Borderless buttons (only a text or a symbol) have no fill to fade, so the whole button fades
// instead: a little while it is held down, more while it is disabled.
inline qreal borderlessButtonOpacity(const QAbstractButton& button) {
    if (!button.isEnabled()) {
        return 0.45;
    }
    return button.isDown() ? 0.6 : 1.0;
}

} // namespace vantorel
