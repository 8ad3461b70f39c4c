#include "ui/pages/LocationsView.h"

#include "app/AppModel.h"
#include "app/PlatformText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/AccentButton.h"
#include "ui/components/Fonts.h"
#include "ui/components/Notice.h"
#include "ui/components/PageHeading.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"
#include "ui/components/ToggleButton.h"
#include "ui/pages/LocationRow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <unordered_map>

namespace vantorel {
namespace {

// The rows' common background: each shown row is filled with the panel colour, the 1-point gaps
// between them show the page through as dividers, and the outer corners of the first and last row
// are rounded, as if the whole stack were clipped to one rounded rectangle.
class RowStack final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()), 14, 14);
        const QColor fill = Palette::panel.color();
        const QRect dirty = event->rect();
        for (const QObject* child : children()) {
            const auto* row = qobject_cast<const QWidget*>(child);
            if (row == nullptr || !row->isVisible() || !row->geometry().intersects(dirty)) {
                continue;
            }
            const QRect area = row->geometry();
            if (area.top() > 14 && area.bottom() < height() - 15) {
                painter.fillRect(area, fill);
            } else {
                QPainterPath box;
                box.addRect(QRectF(area));
                painter.fillPath(box.intersected(outline), fill);
            }
        }
    }
};

} // namespace

LocationsView::LocationsView(AppModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(24);
    column->addWidget(buildHeader());
    column->addWidget(buildSearchRow());

    m_list = new RowStack(this);
    m_list->setObjectName(QStringLiteral("locationList"));
    m_listLayout = new QVBoxLayout(m_list);
    m_listLayout->setContentsMargins(0, 0, 0, 0);
    m_listLayout->setSpacing(1);
    column->addWidget(m_list);
    column->addWidget(buildEmptyState());
    column->addWidget(new Notice(
        QStringLiteral("key.horizontal"),
        QStringLiteral(
            "Only add customer VPN credentials here. Reseller API keys belong on your service\u2019s backend."),
        this));

    m_confirmation = new QMessageBox(this);
    m_confirmation->setObjectName(QStringLiteral("removalConfirmation"));
    m_confirmation->setWindowModality(Qt::WindowModal);
    m_confirmation->setIcon(QMessageBox::NoIcon);
    m_confirmation->setWindowTitle(QStringLiteral("Remove this location and its saved password?"));
    m_confirmation->setText(QStringLiteral("Remove this location and its saved password?"));
    m_confirmRemove = m_confirmation->addButton(QStringLiteral("Remove"), QMessageBox::DestructiveRole);
    m_confirmRemove->setObjectName(QStringLiteral("confirmRemoveButton"));
    auto destructive = m_confirmRemove->palette();
    destructive.setColor(QPalette::ButtonText, Palette::error.color());
    m_confirmRemove->setPalette(destructive);
    QPushButton* cancel = m_confirmation->addButton(QMessageBox::Cancel);
    cancel->setText(QStringLiteral("Cancel"));
    m_confirmation->setEscapeButton(cancel);
    m_confirmation->setDefaultButton(cancel);
    // Every way the dialog closes ends here. The removal runs on a later turn, with the location
    // as it was when the user confirmed.
    connect(m_confirmation, &QMessageBox::finished, this, [this] {
        const bool confirmed = m_confirmation->clickedButton() == m_confirmRemove;
        if (confirmed && m_removing) {
            m_model.startRemove(*m_removing);
        }
        m_removing.reset();
    });

    new ModelWatcher(
        model, [this] { refresh(); }, this);
    refresh();
}

QWidget* LocationsView::buildHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new PageHeading(QStringLiteral("YOUR WAY OUT"), QStringLiteral("Find your place."),
                                   QStringLiteral("Your saved VPN locations, all in one place."), header),
                   1, Qt::AlignVCenter);
    m_add = new AccentButton(QStringLiteral("Add location"), header);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setFont(Fonts::system(13));
    m_add->setSymbol(QStringLiteral("plus"));
    m_add->setPadding(QMargins(16, 12, 16, 12));
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_model.canEdit()) {
            m_model.setShowingAdd(true);
        }
    });
    row->addWidget(m_add, 0, Qt::AlignVCenter);
    return header;
}

QWidget* LocationsView::buildSearchRow() {
    auto* searchRow = new QWidget(this);
    auto* row = new QHBoxLayout(searchRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    auto* box = new Panel(searchRow);
    box->setObjectName(QStringLiteral("searchBox"));
    box->setCornerRadius(10);
    auto* boxRow = new QHBoxLayout(box);
    boxRow->setContentsMargins(14, 14, 14, 14);
    boxRow->addWidget(
        SymbolLabel::decorative(QStringLiteral("magnifyingglass"), Fonts::system(13), Palette::muted.color(), box));
    m_search = new QLineEdit(box);
    m_search->setObjectName(QStringLiteral("searchField"));
    m_search->setFrame(false);
    m_search->setFont(Fonts::system(13));
    m_search->setPlaceholderText(QStringLiteral("Search locations or countries"));
    m_search->setAccessibleName(QStringLiteral("Search locations or countries"));
    m_search->setInputMethodHints(Qt::ImhNoPredictiveText);
    m_search->setClearButtonEnabled(false);
    auto colors = m_search->palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    m_search->setPalette(colors);
    // Every edit writes the whole text at once; the list follows on the next turn.
    connect(m_search, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.setQuery(text); });
    boxRow->addWidget(m_search, 1);
    row->addWidget(box, 1);

    m_favorites = new ToggleButton(QStringLiteral("star"), QStringLiteral("Favorites"), searchRow);
    m_favorites->setObjectName(QStringLiteral("favoritesToggle"));
    m_favorites->setFont(Fonts::system(13));
    m_favorites->setAccessibleName(QStringLiteral("Favorites only"));
    // `toggled` also hears assistive technology; the model's own value, shown back, is no change.
    connect(m_favorites, &QAbstractButton::toggled, this, [this](bool on) {
        if (on != m_model.favoritesOnly()) {
            m_model.setFavoritesOnly(on);
        }
    });
    row->addWidget(m_favorites, 0, Qt::AlignVCenter);
    return searchRow;
}

Panel* LocationsView::buildEmptyState() {
    m_emptyState = new Panel(this);
    m_emptyState->setObjectName(QStringLiteral("emptyState"));
    m_emptyState->setCornerRadius(16);
    auto* column = new QVBoxLayout(m_emptyState);
    column->setContentsMargins(24, 70, 24, 70);
    column->setSpacing(18);
    column->addWidget(SymbolLabel::decorative(QStringLiteral("globe.americas"), Fonts::system(54, QFont::ExtraLight),
                                              Palette::violet.color(), m_emptyState),
                      0, Qt::AlignHCenter);
    m_emptyTitle = TextLabel::oneLine({}, Fonts::rounded(18, QFont::Medium), Palette::text.color(), m_emptyState);
    m_emptyTitle->setObjectName(QStringLiteral("emptyTitle"));
    column->addWidget(m_emptyTitle, 0, Qt::AlignHCenter);
    m_emptyDetail = new TextLabel({}, Fonts::system(13), Palette::muted.color(), m_emptyState);
    m_emptyDetail->setObjectName(QStringLiteral("emptyDetail"));
    m_emptyDetail->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_emptyDetail->setLineSpacing(5);
    column->addWidget(m_emptyDetail, 0, Qt::AlignHCenter);
    m_emptyButton = new QPushButton(m_emptyState);
    m_emptyButton->setObjectName(QStringLiteral("emptyButton"));
    m_emptyButton->setCursor(Qt::PointingHandCursor);
    connect(m_emptyButton, &QPushButton::clicked, this, [this] {
        if (m_emptyStateAdds) {
            if (m_model.canEdit()) {
                m_model.setShowingAdd(true);
            }
            return;
        }
        m_model.setQuery({});
        m_model.setFavoritesOnly(false);
    });
    column->addWidget(m_emptyButton, 0, Qt::AlignHCenter);
    return m_emptyState;
}

void LocationsView::refresh() {
    // A hidden page does not keep up: with 200 locations every change would cost it a pass over
    // every row. It catches up as it is shown.
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    const bool canEdit = m_model.canEdit();
    m_add->setEnabled(canEdit);
    // Written back only when it differs, so that the cursor stays where the user is typing.
    if (m_search->text() != m_model.query()) {
        m_search->setText(m_model.query());
    }
    m_favorites->setChecked(m_model.favoritesOnly());

    const std::vector<VPNProfile> visible = m_model.visibleProfiles();
    refreshRows(visible, canEdit);
    m_list->setVisible(!visible.empty());
    m_emptyState->setVisible(visible.empty());
    if (visible.empty()) {
        refreshEmptyState(!m_model.library().profiles.empty(), canEdit);
    }
}

void LocationsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_stale) {
        refresh();
    }
}

LocationRow* LocationsView::makeRow() {
    auto* row = new LocationRow(m_list);
    connect(row, &LocationRow::favoriteRequested, this,
            [this](const VPNProfile& profile) { m_model.favorite(profile); });
    connect(row, &LocationRow::selectRequested, this, [this](const VPNProfile& profile) { m_model.select(profile); });
    connect(row, &LocationRow::removeRequested, this, &LocationsView::askToRemove);
    return row;
}

void LocationsView::refreshRows(const std::vector<VPNProfile>& visible, bool canEdit) {
    // Rows of locations that left the library go; a location keeps its row for as long as it exists.
    const auto& library = m_model.library();
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        const bool kept = std::ranges::any_of(library.profiles, [&](const VPNProfile& p) { return p.id == it->first; });
        if (kept) {
            ++it;
            continue;
        }
        std::erase(m_order, it->second);
        it->second->hide();
        it->second->deleteLater();
        it = m_rows.erase(it);
    }

    std::vector<LocationRow*> shown;
    shown.reserve(visible.size());
    for (const VPNProfile& profile : visible) {
        LocationRow*& row = m_rows[profile.id];
        if (row == nullptr) {
            row = makeRow();
            m_order.push_back(row);
            m_listLayout->addWidget(row);
        }
        row->setLocation(profile, library.selectedID == profile.id, canEdit);
        shown.push_back(row);
    }

    // Filtering keeps the list's order, so usually the shown rows already stand in the layout in
    // the right order and only their visibility changes. When the order itself changed (a new
    // location, a favourite), the shown rows move to the front in list order and the others keep
    // their relative order behind them.
    std::unordered_map<const LocationRow*, std::size_t> position;
    for (std::size_t i = 0; i < m_order.size(); ++i) {
        position.emplace(m_order[i], i);
    }
    const bool inOrder = std::ranges::is_sorted(shown, {}, [&](const LocationRow* row) { return position.at(row); });
    if (!inOrder) {
        std::vector<LocationRow*> order = shown;
        for (LocationRow* row : m_order) {
            if (std::ranges::find(shown, row) == shown.end()) {
                order.push_back(row);
            }
        }
        m_order = std::move(order);
        QWidget* previous = m_favorites;
        for (std::size_t i = 0; i < m_order.size(); ++i) {
            m_listLayout->removeWidget(m_order[i]);
            m_listLayout->insertWidget(int(i), m_order[i]);
            // Tab follows the list, not the order in which the rows were made.
            for (QWidget* control : m_order[i]->controls()) {
                QWidget::setTabOrder(previous, control);
                previous = control;
            }
        }
    }

    std::unordered_map<const LocationRow*, bool> isShown;
    for (const LocationRow* row : shown) {
        isShown.emplace(row, true);
    }
    for (LocationRow* row : m_order) {
        const bool show = isShown.contains(row);
        if (row->isVisibleTo(m_list) != show) {
            row->setVisible(show);
        }
    }
}

void LocationsView::refreshEmptyState(bool anyLocation, bool canEdit) {
    // Which case is decided by the library, not by the filters: an empty library invites the first
    // location even while a search is typed.
    m_emptyStateAdds = !anyLocation;
    if (m_emptyStateAdds) {
        m_emptyTitle->setText(QStringLiteral("A world of possibilities. Your first stop is setup."));
        m_emptyDetail->setText(toQString(platformText().emptyLocationsDetail));
        m_emptyButton->setText(QStringLiteral("Add your first location"));
        m_emptyButton->setEnabled(canEdit);
    } else {
        m_emptyTitle->setText(QStringLiteral("No matching locations."));
        m_emptyDetail->setText(QStringLiteral("Try a different search or turn off the Favorites filter."));
        m_emptyButton->setText(QStringLiteral("Clear filters"));
        m_emptyButton->setEnabled(true);
    }
}

void LocationsView::askToRemove(const VPNProfile& profile) {
    if (!m_model.canEdit()) {
        return;
    }
    m_removing = profile;
    m_confirmRemove->setText(QStringLiteral("Remove %1").arg(QString::fromStdString(profile.name)));
    m_confirmation->open();
}

} // namespace vantorel
