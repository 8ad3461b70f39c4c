#include "ui/pages/LocationList.h"

#include "ui/components/Palette.h"
#include "ui/pages/LocationRow.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vantorel {
namespace {

constexpr int gap = 1;
constexpr qreal cornerRadius = 14;
// Rows made ready beyond each edge of the view, so that a small scroll or a Tab shows rows that
// are already there.
constexpr int margin = 2;

} // namespace

LocationList::LocationList(std::function<void(LocationRow&)> wire, QWidget* parent)
    : QWidget(parent), m_wire(std::move(wire)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void LocationList::setLocations(std::vector<VPNProfile> visible, const std::optional<Uuid>& selected, bool canEdit) {
    m_locations = std::move(visible);
    m_selected = selected;
    m_canEdit = canEdit;
    arrange();
    update();
}

int LocationList::pitch() const {
    return m_rowHeight + gap;
}

LocationRow* LocationList::newRow() {
    auto* row = new LocationRow(m_texts, this);
    row->hide();
    m_wire(*row);
    return row;
}

void LocationList::arrange() {
    // Moving the focus away from a row that went (below) can scroll the page area, which asks for
    // another arrangement while this one runs; it follows this one instead.
    if (m_arranging) {
        m_again = true;
        return;
    }
    m_arranging = true;
    do {
        m_again = false;
        arrangeOnce();
    } while (m_again);
    m_arranging = false;
}

void LocationList::arrangeOnce() {
    if (!m_locations.empty() && m_rowHeight == 0) {
        // Every row has the same height, and asking each one for it costs a layout query per row.
        if (m_spare.empty()) {
            m_spare.push_back(newRow());
        }
        const VPNProfile& first = m_locations.front();
        m_spare.front()->setLocation(first, m_selected == first.id, m_canEdit);
        m_rowHeight = m_spare.front()->sizeHint().height();
    }
    const int height = m_locations.empty() ? 0 : int(m_locations.size()) * pitch() - gap;
    if (height != m_height) {
        m_height = height;
        updateGeometry();
    }

    // A location that keeps a row keeps its widgets: a row being read or holding the focus is not
    // turned into another under the user. The others' widgets are reused, shown ones first.
    std::vector<Placed> placed;
    std::vector<bool> kept(m_placed.size());
    for (const std::size_t index : wantedRows()) {
        const auto same = std::ranges::find(m_placed, m_locations[index].id,
                                            [](const Placed& old) -> const Uuid& { return old.row->profile().id; });
        placed.push_back({index, same == m_placed.end() ? nullptr : same->row});
        if (same != m_placed.end()) {
            kept[std::size_t(same - m_placed.begin())] = true;
        }
    }
    const QWidget* focus = window()->focusWidget();
    std::vector<LocationRow*> freed;
    std::optional<Placed> lostFocus;
    for (std::size_t i = 0; i < m_placed.size(); ++i) {
        if (kept[i]) {
            continue;
        }
        if (m_placed[i].row->isAncestorOf(focus)) {
            lostFocus = m_placed[i];
        } else {
            freed.push_back(m_placed[i].row);
        }
    }
    for (auto& [index, row] : placed) {
        if (row == nullptr && !freed.empty()) {
            row = freed.back();
            freed.pop_back();
        } else if (row == nullptr && !m_spare.empty()) {
            row = m_spare.front();
            m_spare.erase(m_spare.begin());
        } else if (row == nullptr) {
            row = newRow();
        }
        const VPNProfile& profile = m_locations[index];
        row->setLocation(profile, m_selected == profile.id, m_canEdit);
        const QRect area(0, int(index) * pitch(), width(), m_rowHeight);
        if (row->geometry() != area) {
            row->setGeometry(area);
        }
        if (row->isHidden()) {
            row->show();
        }
    }
    m_placed = std::move(placed);

    // Tab visits the rows that are widgets in list order; focusNextPrevChild() fills the gaps. A row
    // whose location went while it held the focus stands where it stood until it is hidden below.
    std::vector<LocationRow*> order;
    std::ranges::transform(m_placed, std::back_inserter(order), &Placed::row);
    if (lostFocus) {
        const auto after = std::ranges::find_if(m_placed, [&](const Placed& p) { return p.index >= lostFocus->index; });
        order.insert(order.begin() + (after - m_placed.begin()), lostFocus->row);
    }
    if (order != m_tabOrder) {
        QWidget* previous = m_tabPredecessor;
        for (LocationRow* row : order) {
            for (QWidget* control : row->controls()) {
                if (previous != nullptr) {
                    QWidget::setTabOrder(previous, control);
                }
                previous = control;
            }
        }
        m_tabOrder = std::move(order);
    }

    // Hidden last, and the row that held the focus after the others: Qt then moves the focus on to
    // the row that took its place, and the page area scrolls to it, as when a row of a list of
    // widgets goes.
    if (lostFocus) {
        freed.push_back(lostFocus->row);
    }
    for (LocationRow* row : freed) {
        row->hide();
        m_spare.push_back(row);
    }
}

std::vector<std::size_t> LocationList::wantedRows() const {
    std::vector<std::size_t> rows;
    const std::size_t count = m_locations.size();
    if (count == 0) {
        return rows;
    }
    if (const QRect area = exposedArea(); isVisible() && !area.isEmpty()) {
        const std::size_t first = std::size_t(std::max(0, area.top() / pitch() - margin));
        const std::size_t last = std::min(count - 1, std::size_t(area.bottom() / pitch() + margin));
        for (std::size_t index = first; index <= last; ++index) {
            rows.push_back(index);
        }
    }
    // Tab and Shift+Tab come into the list at its ends.
    rows.push_back(0);
    rows.push_back(count - 1);
    if (m_reaching && *m_reaching < count) {
        rows.push_back(*m_reaching);
    }
    // The row holding the focus, or when its location went, the row taking its place.
    if (const LocationRow* focused = rowHolding(window()->focusWidget())) {
        const auto found = std::ranges::find(m_locations, focused->profile().id, &VPNProfile::id);
        const auto was = std::ranges::find(m_placed, focused, &Placed::row);
        if (found != m_locations.end()) {
            rows.push_back(std::size_t(found - m_locations.begin()));
        } else if (was != m_placed.end()) {
            rows.push_back(std::min(was->index, count - 1));
        }
    }
    std::ranges::sort(rows);
    const auto repeated = std::ranges::unique(rows);
    rows.erase(repeated.begin(), repeated.end());
    return rows;
}

QRect LocationList::exposedArea() const {
    QRect area = rect();
    QPoint offset;
    for (const QWidget* widget = this; !widget->isWindow() && widget->parentWidget() != nullptr;
         widget = widget->parentWidget()) {
        offset += widget->pos();
        area &= widget->parentWidget()->rect().translated(-offset);
    }
    return area;
}

LocationRow* LocationList::rowHolding(const QWidget* widget) const {
    while (widget != nullptr && widget->parentWidget() != this) {
        widget = widget->parentWidget();
    }
    return qobject_cast<LocationRow*>(const_cast<QWidget*>(widget));
}

void LocationList::watchAncestors() {
    // The page area scrolls by moving the page, and the view changes size with the window: either
    // way one of the list's ancestors moves or is resized, and the rows in view change with it.
    for (const QPointer<QWidget>& watched : m_watched) {
        if (watched != nullptr) {
            watched->removeEventFilter(this);
        }
    }
    m_watched.clear();
    for (QWidget* widget = parentWidget(); widget != nullptr && !widget->isWindow(); widget = widget->parentWidget()) {
        widget->installEventFilter(this);
        m_watched.emplace_back(widget);
    }
}

bool LocationList::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible()) {
        arrange();
    }
    return QWidget::eventFilter(watched, event);
}

bool LocationList::focusNextPrevChild(bool next) {
    // Tab or Shift+Tab from a row whose neighbour has no widgets yet: the neighbour gets them first,
    // so that the focus moves into it and the page area scrolls to it, as it would in a list of
    // widgets only.
    if (const LocationRow* from = rowHolding(window()->focusWidget()); from != nullptr && !m_arranging) {
        const auto at = std::ranges::find(m_placed, from, &Placed::row);
        if (at != m_placed.end() && (next ? at->index + 1 < m_locations.size() : at->index > 0)) {
            const std::size_t neighbour = next ? at->index + 1 : at->index - 1;
            if (std::ranges::find(m_placed, neighbour, &Placed::index) == m_placed.end()) {
                m_reaching = neighbour;
                arrange();
            }
        }
    }
    const bool moved = QWidget::focusNextPrevChild(next);
    m_reaching.reset();
    return moved;
}

QSize LocationList::sizeHint() const {
    return {0, m_height};
}

void LocationList::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    watchAncestors();
    arrange();
}

void LocationList::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    arrange();
}

void LocationList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void LocationList::paintEvent(QPaintEvent* event) {
    // Each row is filled with the panel colour and the gaps show the page through as dividers; the
    // outer corners of the first and last row are rounded, as if the whole stack were clipped to
    // one rounded rectangle. Only the rows the paint event exposes are filled, widgets or not.
    if (m_locations.empty() || m_rowHeight == 0) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, width(), m_height), cornerRadius, cornerRadius);
    const QColor fill = Palette::panel.color();
    const QRect exposed = event->rect();
    const int first = std::max(0, exposed.top() / pitch());
    const int last = std::min(int(m_locations.size()) - 1, exposed.bottom() / pitch());
    for (int index = first; index <= last; ++index) {
        const QRect area(0, index * pitch(), width(), m_rowHeight);
        if (!area.intersects(exposed)) {
            continue;
        }
        if (area.top() >= cornerRadius && area.bottom() < m_height - cornerRadius) {
            painter.fillRect(area, fill);
        } else {
            QPainterPath box;
            box.addRect(QRectF(area));
            painter.fillPath(box.intersected(outline), fill);
        }
    }
}

} // namespace vantorel
