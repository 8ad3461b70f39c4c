#pragma once

#include <QMenuBar>

namespace vantorel {

// The window's menu bar, drawn as the top of the two columns below it: the sidebar's colour over
// the sidebar, the page's over the rest, and the line between them carried up, so that the window's
// top reads as one piece with what is under it.
class WindowMenuBar final : public QMenuBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowMenuBar)

public:
    explicit WindowMenuBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantorel
