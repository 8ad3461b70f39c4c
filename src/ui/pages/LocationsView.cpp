#include "ui/pages/LocationsView.h"

#include "app/AppModel.h"
#include "app/UserText.h"
#include "core/PlatformText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/AccentButton.h"
#include "ui/components/Alert.h"
#include "ui/components/Fonts.h"
#include "ui/components/Notice.h"
#include "ui/components/PageHeading.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"
#include "ui/components/ToggleButton.h"
#include "ui/pages/LocationList.h"
#include "ui/pages/LocationRow.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vantorel {

LocationsView::LocationsView(AppModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(24);
    column->addWidget(buildHeader());
    column->addWidget(buildSearchRow());

    m_list = new LocationList(
        [this](LocationRow& row) {
            connect(&row, &LocationRow::favoriteRequested, this,
                    [this](const VPNProfile& profile) { m_model.favorite(profile); });
            connect(&row, &LocationRow::selectRequested, this,
                    [this](const VPNProfile& profile) { m_model.select(profile); });
            connect(&row, &LocationRow::removeRequested, this, &LocationsView::askToRemove);
        },
        this);
    m_list->setObjectName(QStringLiteral("locationList"));
    m_list->setTabPredecessor(m_favorites);
    column->addWidget(m_list);
    column->addWidget(buildEmptyState());
    column->addWidget(new Notice(
        QStringLiteral("key.horizontal"),
        tr("Only add customer VPN credentials here. Reseller API keys belong on your service\u2019s backend."), this));
    // The page is only ever taller than its content for a moment, when the list has shrunk and the
    // page area has not caught up yet: the room goes below the content, so that the list is not
    // pushed down (and its rows out of view) meanwhile.
    column->addStretch(1);

    m_confirmation = new Alert(tr("Remove this location and its saved password?"), this);
    m_confirmation->setObjectName(QStringLiteral("removalConfirmation"));
    QPushButton* cancel = m_confirmation->addButton(tr("Cancel"), Alert::Role::cancel);
    cancel->setObjectName(QStringLiteral("cancelRemoveButton"));
    m_confirmRemove = m_confirmation->addButton({}, Alert::Role::destructive);
    m_confirmRemove->setObjectName(QStringLiteral("confirmRemoveButton"));
    // Every way the dialog closes ends here. The removal starts with the location as it was when
    // the user confirmed, and goes on while the secret store deletes its password.
    connect(m_confirmation, &QDialog::finished, this, [this] {
        const bool confirmed = m_confirmation->clickedButton() == m_confirmRemove;
        if (const auto removing = std::exchange(m_removing, std::nullopt); confirmed && removing) {
            m_model.remove(*removing);
        }
    });

    ModelWatcher::forPage(
        model, [this] { refresh(); }, this);
}

QWidget* LocationsView::buildHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new PageHeading(tr("YOUR WAY OUT"), tr("Find your place."),
                                   tr("Your saved VPN locations, all in one place."), header),
                   1, Qt::AlignVCenter);
    m_add = new AccentButton(tr("Add location"), header);
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
        SymbolLabel::decorative(QStringLiteral("magnifyingglass"), Fonts::symbol(13), Palette::muted.color(), box));
    m_search = new QLineEdit(box);
    m_search->setObjectName(QStringLiteral("searchField"));
    m_search->setFrame(false);
    m_search->setFont(Fonts::system(13));
    m_search->setPlaceholderText(tr("Search locations or countries"));
    m_search->setAccessibleName(tr("Search locations or countries"));
    m_search->setInputMethodHints(Qt::ImhNoPredictiveText);
    m_search->setClearButtonEnabled(false);
    auto colors = m_search->palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    m_search->setPalette(colors);
    // The text, not the keystroke: text put in through the accessibility interface (voice control,
    // on-screen keyboards) searches too. The model's own query, shown back, is no change.
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != m_model.query()) {
            m_model.setQuery(text);
        }
    });
    boxRow->addWidget(m_search, 1);
    row->addWidget(box, 1);

    m_favorites = new ToggleButton(QStringLiteral("star"), tr("Favorites"), searchRow);
    m_favorites->setObjectName(QStringLiteral("favoritesToggle"));
    m_favorites->setFont(Fonts::system(13));
    m_favorites->setAccessibleName(tr("Favorites only"));
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
    column->addWidget(SymbolLabel::decorative(QStringLiteral("globe.americas"), Fonts::symbol(54, QFont::ExtraLight),
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
    const bool canEdit = m_model.canEdit();
    m_add->setEnabled(canEdit);
    // Written back only when it differs, so that the cursor stays where the user is typing.
    if (m_search->text() != m_model.query()) {
        m_search->setText(m_model.query());
    }
    m_favorites->setChecked(m_model.favoritesOnly());

    std::vector<VPNProfile> visible = m_model.visibleProfiles();
    const bool none = visible.empty();
    m_list->setLocations(std::move(visible), m_model.library().selectedID, canEdit);
    m_list->setVisible(!none);
    m_emptyState->setVisible(none);
    if (none) {
        refreshEmptyState(!m_model.library().profiles.empty(), canEdit);
    }
}

void LocationsView::refreshEmptyState(bool anyLocation, bool canEdit) {
    // Which case is decided by the library, not by the filters: an empty library invites the first
    // location even while a search is typed.
    m_emptyStateAdds = !anyLocation;
    if (m_emptyStateAdds) {
        m_emptyTitle->setText(tr("A world of possibilities. Your first stop is setup."));
        m_emptyDetail->setText(platformWords(platformText().emptyLocationsDetail));
        m_emptyButton->setText(tr("Add your first location"));
        m_emptyButton->setEnabled(canEdit);
    } else {
        m_emptyTitle->setText(tr("No matching locations."));
        m_emptyDetail->setText(tr("Try a different search or turn off the Favorites filter."));
        m_emptyButton->setText(tr("Clear filters"));
        m_emptyButton->setEnabled(true);
    }
}

void LocationsView::askToRemove(const VPNProfile& profile) {
    if (!m_model.canEdit()) {
        return;
    }
    m_removing = profile;
    // A long name is shortened on the button, which says it in full to the pointer and to screen
    // readers. The name alone is shortened, never the rest: in German the verb comes after it.
    const QString name = QString::fromStdString(profile.name);
    const QString sentence = tr("Remove %1");
    const QString action = sentence.arg(name);
    const QFontMetrics metrics = m_confirmRemove->fontMetrics();
    const int nameRoom = std::max(removeButtonTextWidth - metrics.horizontalAdvance(sentence.arg(QString())),
                                  metrics.horizontalAdvance(QChar(0x2026)));
    m_confirmRemove->setText(sentence.arg(metrics.elidedText(name, Qt::ElideRight, nameRoom)));
    m_confirmRemove->setToolTip(action);
    m_confirmRemove->setAccessibleName(action);
    m_confirmation->open();
}

} // namespace vantorel
