#pragma once

#include "app/AppPage.h"

#include <QWidget>
#include <array>

namespace vantorel {

class SidebarRow;

// The fixed left column of the main window: the brand, one row per page, a small card and the
// version line. It shows which page is current and reports the rows the user picks.
class Sidebar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Sidebar)

public:
    static constexpr int columnWidth = 216;

    explicit Sidebar(QWidget* parent = nullptr);

    void setCurrentPage(AppPage page);
    SidebarRow* row(AppPage page) const;

signals:
    void pageChosen(AppPage page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<SidebarRow*, allPages.size()> m_rows{};
};

} // namespace vantorel
