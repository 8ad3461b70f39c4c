#pragma once

#include "core/ProfileLibrary.h"
#include "core/Uuid.h"

#include <QWidget>
#include <functional>
#include <map>
#include <vector>

namespace vantorel {

class LocationRow;

// The rows of the Locations page, one per location for as long as the location exists. The rows
// are placed by hand, one under the other with a 1-point gap, instead of through a box layout:
// with 200 locations, a keystroke in the search box then costs moving and showing the rows that
// change, not a layout pass over all of them. Tab visits the shown rows in list order.
class LocationList final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocationList)

public:
    // `wire` connects each new row to whoever acts on its requests.
    LocationList(std::function<void(LocationRow&)> wire, QWidget* parent = nullptr);

    // Shows the rows of `visible`, in that order; rows of locations that left `library` go.
    void setLocations(const std::vector<VPNProfile>& visible, const ProfileLibrary& library, bool canEdit);
    // The control Tab comes from before the first row.
    void setTabPredecessor(QWidget* widget) { m_tabPredecessor = widget; }

    // The rows as shown, top to bottom.
    const std::vector<LocationRow*>& shownRows() const { return m_shown; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    void chainTabs();

    std::function<void(LocationRow&)> m_wire;
    QWidget* m_tabPredecessor = nullptr;
    std::map<Uuid, LocationRow*> m_rows;
    std::vector<LocationRow*> m_shown;
    // Every row, in the order Tab would visit them if all were shown.
    std::vector<LocationRow*> m_tabOrder;
    int m_height = 0;
    int m_rowHeight = 0;
};

} // namespace vantorel
