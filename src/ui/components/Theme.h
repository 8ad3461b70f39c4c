#pragma once

#include <QPalette>

class QApplication;

namespace vantorel {

// The application-wide look: the Fusion style with a dark palette built from `Palette` and the
// bundled fonts, so that every window, dialog, menu, tooltip and text selection Qt draws itself is
// dark as well; every scrolling area gets the same thin scroll bar, drawn here.
class Theme final {
public:
    Theme() = delete;

    static void apply(QApplication& application);
    static QPalette palette();
};

} // namespace vantorel
