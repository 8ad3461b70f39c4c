#include "ui/pages/LocationList.h"

#include "ui/components/Palette.h"
#include "ui/pages/LocationRow.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace vantorel {
namespace {

constexpr int gap = 1;
constexpr qreal cornerRadius = 14;

} // namespace

LocationList::LocationList(std::function<void(LocationRow&)> wire, QWidget* parent)
    : QWidget(parent), m_wire(std::move(wire)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void LocationList::setLocations(const std::vector<VPNProfile>& visible, const ProfileLibrary& library, bool canEdit) {
    // Rows of locations that left the library go; a location keeps its row for as long as it exists.
    std::unordered_set<const LocationRow*> kept;
    for (const VPNProfile& profile : library.profiles) {
        if (const auto found = m_rows.find(profile.id); found != m_rows.end()) {
            kept.insert(found->second);
        }
    }
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        if (kept.contains(it->second)) {
            ++it;
            continue;
        }
        std::erase(m_tabOrder, it->second);
        it->second->hide();
        it->second->deleteLater();
        it = m_rows.erase(it);
    }

    std::vector<LocationRow*> shown;
    shown.reserve(visible.size());
    for (const VPNProfile& profile : visible) {
        LocationRow*& row = m_rows[profile.id];
        if (row == nullptr) {
            row = new LocationRow(this);
            row->hide();
            m_wire(*row);
            m_tabOrder.push_back(row);
        }
        row->setLocation(profile, library.selectedID == profile.id, canEdit);
        shown.push_back(row);
    }
    const std::unordered_set<const LocationRow*> nowShown(shown.begin(), shown.end());
    for (LocationRow* row : m_shown) {
        if (!nowShown.contains(row)) {
            row->hide();
        }
    }
    m_shown = std::move(shown);
    chainTabs();
    place();
}

void LocationList::chainTabs() {
    // Filtering keeps the list's order, so usually the shown rows already stand in the Tab chain in
    // the right order. When the order itself changed (a new location, a new favourite), the chain is
    // rebuilt: the shown rows in list order, then the others in their former order.
    std::unordered_map<const LocationRow*, std::size_t> position;
    for (std::size_t i = 0; i < m_tabOrder.size(); ++i) {
        position.emplace(m_tabOrder[i], i);
    }
    if (std::ranges::is_sorted(m_shown, {}, [&](const LocationRow* row) { return position.at(row); })) {
        return;
    }
    const std::unordered_set<const LocationRow*> shown(m_shown.begin(), m_shown.end());
    std::vector<LocationRow*> order = m_shown;
    std::ranges::copy_if(m_tabOrder, std::back_inserter(order),
                         [&](const LocationRow* row) { return !shown.contains(row); });
    m_tabOrder = std::move(order);
    QWidget* previous = m_tabPredecessor;
    for (LocationRow* row : m_tabOrder) {
        for (QWidget* control : row->controls()) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, control);
            }
            previous = control;
        }
    }
}

void LocationList::place() {
    // Every row has the same height, and asking each one for it costs a layout query per row.
    if (m_rowHeight == 0 && !m_shown.empty()) {
        m_rowHeight = m_shown.front()->sizeHint().height();
    }
    int y = 0;
    for (LocationRow* row : m_shown) {
        const QRect area(0, y, width(), m_rowHeight);
        if (row->geometry() != area) {
            row->setGeometry(area);
        }
        if (row->isHidden()) {
            row->show();
        }
        y += area.height() + gap;
    }
    const int height = std::max(0, y - gap);
    if (height != m_height) {
        m_height = height;
        updateGeometry();
    }
    update();
}

QSize LocationList::sizeHint() const {
    return {0, m_height};
}

void LocationList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) {
        place();
    }
}

void LocationList::paintEvent(QPaintEvent* event) {
    // Each shown row is filled with the panel colour and the gaps show the page through as dividers;
    // the outer corners of the first and last row are rounded, as if the whole stack were clipped
    // to one rounded rectangle.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, width(), m_height), cornerRadius, cornerRadius);
    const QColor fill = Palette::panel.color();
    for (const LocationRow* row : m_shown) {
        const QRect area = row->geometry();
        if (!area.intersects(event->rect())) {
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
