#pragma once

#include "core/VPNProfile.h"

#include <QWidget>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;

namespace vantorel {

class AccentButton;
class Alert;
class AppModel;
class LocationList;
class Panel;
class TextLabel;
class ToggleButton;

// The saved locations that pass the search and the favourites filter, favourites first, with the
// controls to add, favourite, select and remove them; or, when none is listed, a panel that says
// why. Only the rows in view have widgets of their own (LocationList), so typing in the search box
// costs what is on screen, whatever the size of the library.
class LocationsView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocationsView)

public:
    // The widest the confirmation's "Remove …" may be; a longer name is shortened there.
    static constexpr int removeButtonTextWidth = 220;

    explicit LocationsView(AppModel& model, QWidget* parent = nullptr);

    // Shows the model as it is now; runs by itself on the turn after the model announces a change.
    void refresh();

    // The location waiting for the user to confirm its removal, while the confirmation is open.
    const std::optional<VPNProfile>& removing() const { return m_removing; }
    Alert* removalConfirmation() const { return m_confirmation; }

private:
    QWidget* buildHeader();
    QWidget* buildSearchRow();
    Panel* buildEmptyState();
    void refreshEmptyState(bool anyLocation, bool canEdit);
    void askToRemove(const VPNProfile& profile);

    AppModel& m_model;
    AccentButton* m_add = nullptr;
    QLineEdit* m_search = nullptr;
    ToggleButton* m_favorites = nullptr;
    LocationList* m_list = nullptr;
    Panel* m_emptyState = nullptr;
    TextLabel* m_emptyTitle = nullptr;
    TextLabel* m_emptyDetail = nullptr;
    QPushButton* m_emptyButton = nullptr;
    bool m_emptyStateAdds = true; // which of its two cases the panel shows
    Alert* m_confirmation = nullptr;
    QPushButton* m_confirmRemove = nullptr;
    std::optional<VPNProfile> m_removing;
};

} // namespace vantorel
