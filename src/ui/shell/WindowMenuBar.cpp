#include "ui/shell/WindowMenuBar.h"

#include "ui/components/Palette.h"
#include "ui/shell/Sidebar.h"

#include <QPainter>

namespace vantorel {

WindowMenuBar::WindowMenuBar(QWidget* parent) : QMenuBar(parent) {
    // The bar draws its entries over the columns painted below; its own background is left out.
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::transparent);
    colors.setColor(QPalette::Button, Qt::transparent);
    setPalette(colors);
}

void WindowMenuBar::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const int split = std::min(Sidebar::columnWidth, width());
        painter.fillRect(QRect(0, 0, split, height()), Palette::sidebar.color());
        painter.fillRect(QRect(split, 0, width() - split, height()), Palette::background.color());
        painter.fillRect(QRect(split, 0, 1, height()), Palette::line.color());
    }
    QMenuBar::paintEvent(event);
}

} // namespace vantorel
