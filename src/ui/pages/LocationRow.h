#pragma once

#include "core/VPNProfile.h"

#include <QWidget>
#include <array>

class QAction;
class QPushButton;

namespace vantorel {

class SymbolButton;
class TextLabel;

// One saved location in the Locations list: its symbol, name and country, and its three controls
// (favourite, select, and a menu with the removal). A row shows the location it was last given and
// reports what the user asks for; it changes nothing itself. It draws no background: the list
// behind it paints the rows.
class LocationRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocationRow)

public:
    explicit LocationRow(QWidget* parent = nullptr);

    // Shows `profile`; `selected` whether it is the library's selection, `canEdit` whether the
    // model takes edits now.
    void setLocation(const VPNProfile& profile, bool selected, bool canEdit);
    const VPNProfile& profile() const { return m_profile; }

    // The controls in the order Tab visits them.
    std::array<QWidget*, 3> controls() const;

signals:
    void favoriteRequested(const VPNProfile& profile);
    void selectRequested(const VPNProfile& profile);
    void removeRequested(const VPNProfile& profile);

private:
    VPNProfile m_profile;
    bool m_selected = false;
    bool m_canEdit = false;
    bool m_filled = false;
    TextLabel* m_name;
    TextLabel* m_detail;
    SymbolButton* m_star;
    QPushButton* m_select;
    SymbolButton* m_menuButton;
    QAction* m_remove;
};

} // namespace vantorel
