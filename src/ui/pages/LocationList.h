#pragma once

#include "core/Uuid.h"
#include "core/VPNProfile.h"
#include "ui/pages/LocationRow.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace vantorel {

// The rows of the Locations page, one under the other with a 1-point gap. The list is as tall as
// all of its rows, so that the page area around it scrolls over the whole list, but only the rows
// a person can see or reach are widgets: those in view and a few around them, the first and the
// last (where Tab and Shift+Tab come in from outside), and the one holding the keyboard focus.
// Their widgets are reused for other locations as the page scrolls or the search changes, so a
// keystroke costs what is on screen, not the size of the library.
//
// Keyboard and screen-reader users reach every row through the focus: when Tab or Shift+Tab
// leaves a row whose neighbour is not a widget yet, the neighbour becomes one first, so Qt's own
// focus chain carries on and the page area scrolls to it; each control is named with its
// location, and a screen reader reads it as it gets the focus. The list does not also stand for
// every location in the accessibility tree: an entry for a row without widgets could not be acted
// on, and would silently stand for another location once its row's widgets were reused.
class LocationList final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocationList)

public:
    // `wire` connects each new row to whoever acts on its requests.
    LocationList(std::function<void(LocationRow&)> wire, QWidget* parent = nullptr);

    // Lists `visible`, in that order; `selected` is the library's selection, `canEdit` whether the
    // model takes edits now. A location that stays in view keeps the widgets of its row.
    void setLocations(std::vector<VPNProfile> visible, const std::optional<Uuid>& selected, bool canEdit);
    // The control Tab comes from before the first row.
    void setTabPredecessor(QWidget* widget) { m_tabPredecessor = widget; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Placed {
        std::size_t index;
        LocationRow* row;
    };

    // Gives widgets to the rows that need them, reusing those of rows that no longer do.
    void arrange();
    void arrangeOnce();
    std::vector<std::size_t> wantedRows() const;
    // The part of the list not clipped away by the page area's view (or the window).
    QRect exposedArea() const;
    void watchAncestors();
    LocationRow* rowHolding(const QWidget* widget) const;
    LocationRow* newRow();
    int pitch() const;

    std::function<void(LocationRow&)> m_wire;
    RowTexts m_texts;
    QWidget* m_tabPredecessor = nullptr;
    std::vector<VPNProfile> m_locations;
    std::optional<Uuid> m_selected;
    bool m_canEdit = false;
    std::vector<Placed> m_placed;          // in list order
    std::vector<LocationRow*> m_spare;     // hidden, in the order they were made
    std::vector<LocationRow*> m_tabOrder;  // the placed rows as last chained
    std::optional<std::size_t> m_reaching; // the row Tab is about to move into
    std::vector<QPointer<QWidget>> m_watched;
    int m_height = 0;
    int m_rowHeight = 0;
    bool m_arranging = false;
    bool m_again = false;
};

} // namespace vantorel
