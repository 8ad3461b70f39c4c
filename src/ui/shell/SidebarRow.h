#pragma once

#include "app/AppPage.h"
#include "ui/components/KeyboardFocus.h"

#include <QAbstractButton>

namespace vantorel {

// One page in the sidebar: its symbol and title, highlighted (violet, semibold, tinted background
// and a capsule at the trailing edge) while it is the current page.
class SidebarRow final : public KeyboardFocus<QAbstractButton> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarRow)

public:
    static constexpr int rowHeight = 46;

    explicit SidebarRow(AppPage page, QWidget* parent = nullptr);

    AppPage page() const { return m_page; }
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppPage m_page;
    bool m_current = false;
};

} // namespace vantorel
