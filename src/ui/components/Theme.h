#pragma once

#include <QPalette>

class QApplication;

namespace vantorel {

// The application-wide look: the Fusion style with a dark palette built from `Palette` and the
// bundled fonts, so that every window, dialog, menu, tooltip, scroll bar and text selection Qt
// draws itself is dark as well.
class Theme final {
public:
    Theme() = delete;

    static void apply(QApplication& application);
    static QPalette palette();
};

} // namespace vantorel
