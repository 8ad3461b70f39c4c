#pragma once

#include <QFocusEvent>

namespace vantorel {

// Tracks whether a control's focus came from the keyboard. Controls draw their focus ring only
// then, so that a click or the window's first focus does not leave a ring behind.
template <class Base> class KeyboardFocus : public Base {
public:
    using Base::Base;

protected:
    bool showsKeyboardFocus() const { return m_keyboardFocus && this->hasFocus(); }

    void focusInEvent(QFocusEvent* event) override {
        m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                          event->reason() == Qt::ShortcutFocusReason;
        Base::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        m_keyboardFocus = false;
        Base::focusOutEvent(event);
    }

private:
    bool m_keyboardFocus = false;
};

} // namespace vantorel
