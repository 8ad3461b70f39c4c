#include "ui/pages/LocationsView.h"

#include "core/LibraryDocument.h"
#include "support/WindowFixture.h"
#include "ui/components/TextLabel.h"
#include "ui/components/ToggleButton.h"
#include "ui/pages/LocationRow.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

class LocationsViewTest : public WindowFixture {
protected:
    // Starts the window on the Locations page over `names` (a leading '*' marks a favourite).
    void startWith(std::initializer_list<std::string> names, std::optional<std::size_t> selected = 0) {
        ProfileLibrary library;
        for (std::string name : names) {
            const bool favorite = name.front() == '*';
            VPNProfile profile = sampleProfile(favorite ? name.substr(1) : name);
            profile.favorite = favorite;
            library.profiles.push_back(profile);
        }
        if (selected && !library.profiles.empty()) {
            library.selectedID = library.profiles[*selected].id;
        }
        writeDocument(library);
        startWindow();
        m_model->setPage(AppPage::locations);
        settle();
    }
    LocationsView& page() const { return *content().findChild<LocationsView*>(); }
    template <typename T = QWidget> T& part(const char* name) const { return *page().findChild<T*>(name); }
    QLineEdit& search() const { return part<QLineEdit>("searchField"); }
    // Replaces the search text as a user would: select all, delete, type.
    void typeSearch(const char* text) {
        QTest::keyClick(&search(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&search(), Qt::Key_Backspace);
        QTest::keyClicks(&search(), text);
        settle();
    }

    // The rows as shown, top to bottom.
    std::vector<LocationRow*> rows() const {
        std::vector<LocationRow*> shown;
        for (LocationRow* row : page().findChildren<LocationRow*>()) {
            if (row->isVisible()) {
                shown.push_back(row);
            }
        }
        std::ranges::sort(shown, {}, [](const LocationRow* row) { return row->y(); });
        return shown;
    }
    std::vector<std::string> rowNames() const {
        std::vector<std::string> out;
        for (const LocationRow* row : rows()) {
            out.push_back(row->accessibleName().toStdString());
        }
        return out;
    }
    LocationRow& row(const std::string& name) const {
        for (LocationRow* row : rows()) {
            if (row->profile().name == name) {
                return *row;
            }
        }
        ADD_FAILURE() << "no row " << name;
        return *rows().front();
    }
    static QPushButton& control(const LocationRow& row, const char* name) { return *row.findChild<QPushButton*>(name); }
    ProfileLibrary stored() const { return LibraryDocument::decode(readFile(document())).value(); }
};

} // namespace

// A search that finds nothing offers to clear the filters; an empty library invites the first
// location, whatever is typed or filtered.
TEST_F(LocationsViewTest, EmptyStatesFollowTheLibraryAndTheFilters) {
    startWith({"London", "*Oslo"});
    auto& title = part<TextLabel>("emptyTitle");
    auto& button = part<QPushButton>("emptyButton");
    QTest::keyClicks(&search(), "lisbon");
    settle();
    EXPECT_TRUE(part("emptyState").isVisible());
    EXPECT_FALSE(part("locationList").isVisible());
    EXPECT_EQ(title.text(), "No matching locations.");
    EXPECT_EQ(part<TextLabel>("emptyDetail").text(), "Try a different search or turn off the Favorites filter.");
    EXPECT_EQ(button.text(), "Clear filters");

    m_model->setFavoritesOnly(true);
    settle();
    QTest::mouseClick(&button, Qt::LeftButton);
    settle();
    EXPECT_EQ(m_model->query(), "");
    EXPECT_FALSE(m_model->favoritesOnly());
    EXPECT_EQ(search().text(), "");
    EXPECT_FALSE(part<ToggleButton>("favoritesToggle").isChecked());
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"Oslo", "London"}));

    QTest::keyClicks(&search(), "tok");
    QTest::mouseClick(&part<ToggleButton>("favoritesToggle"), Qt::LeftButton);
    for (const VPNProfile& profile : std::vector(m_model->library().profiles)) {
        m_model->remove(profile);
    }
    settle();
    EXPECT_EQ(title.text(), "A world of possibilities. Your first stop is setup.");
    EXPECT_EQ(button.text(), "Add your first location");
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(m_model->showingAdd());
}

TEST_F(LocationsViewTest, SearchAndFavoritesFilterAndOrderTheRowsInPlace) {
    startWith({"Server 10", "*Paris", "Server 2", "London", "*Berlin"});
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"Berlin", "Paris", "London", "Server 2", "Server 10"}));
    LocationRow* const london = &row("London");

    QTest::keyClicks(&search(), "SER");
    settle();
    EXPECT_EQ(m_model->query(), "SER");
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"Server 2", "Server 10"}));
    // Name and country are searched as one text; text put in through the accessibility interface
    // (voice control, on-screen keyboards) searches as typed text does.
    QAccessible::queryAccessibleInterface(&search())->setText(QAccessible::Value, "london united");
    settle();
    EXPECT_EQ(rowNames(), std::vector<std::string>{"London"});
    EXPECT_EQ(&row("London"), london) << "a row is kept, not rebuilt";

    typeSearch("");
    QTest::mouseClick(&part<ToggleButton>("favoritesToggle"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(m_model->favoritesOnly());
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"Berlin", "Paris"}));
}

TEST_F(LocationsViewTest, StarSelectAndRemoveChangeTheDocument) {
    startWith({"London", "Oslo", "Paris"});
    QTest::mouseClick(&control(row("Paris"), "favoriteButton"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(stored().profiles[2].favorite);
    EXPECT_EQ(rowNames().front(), "Paris");

    EXPECT_EQ(control(row("London"), "selectButton").text(), "Selected");
    EXPECT_FALSE(control(row("London"), "selectButton").isEnabled());
    QTest::mouseClick(&control(row("Oslo"), "selectButton"), Qt::LeftButton);
    settle();
    EXPECT_EQ(stored().selectedID, stored().profiles[1].id);
    EXPECT_EQ(control(row("Oslo"), "selectButton").text(), "Selected");
    EXPECT_EQ(control(row("London"), "selectButton").text(), "Select");
    EXPECT_TRUE(control(row("London"), "selectButton").isEnabled());

    // Removal asks first; cancelling changes nothing.
    QMessageBox& confirmation = *page().removalConfirmation();
    auto askToRemove = [&](const std::string& name) {
        row(name).findChild<QAction*>("removeAction")->trigger();
        settle();
        EXPECT_TRUE(confirmation.isVisible());
        EXPECT_EQ(confirmation.windowModality(), Qt::WindowModal);
        EXPECT_EQ(confirmation.findChild<QPushButton*>("confirmRemoveButton")->text(),
                  QString::fromStdString("Remove " + name));
        EXPECT_EQ(page().removing()->name, name);
    };
    const std::string before = readFile(document());
    askToRemove("London");
    QTest::keyClick(&confirmation, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(page().removing());
    EXPECT_EQ(readFile(document()), before);

    askToRemove("London");
    const Uuid credential = row("London").profile().credentialID;
    QTest::mouseClick(confirmation.findChild<QPushButton*>("confirmRemoveButton"), Qt::LeftButton);
    EXPECT_FALSE(page().removing());
    EXPECT_EQ(m_model->library().profiles.size(), 3u) << "the removal runs on a later turn";
    settle();
    settle();
    EXPECT_EQ(names(stored().profiles), (std::vector<std::string>{"Oslo", "Paris"}));
    EXPECT_EQ(m_vault->calls.back(), "remove " + credential.string());
    EXPECT_EQ(rowNames(), (std::vector<std::string>{"Paris", "Oslo"}));
}

// The page's editing controls and the window's Add Location and Import Location commands.
TEST_F(LocationsViewTest, EditingControlsLockWhileEditingIsRefused) {
    startWith({"London", "Oslo"}, std::nullopt);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    auto editable = [&] {
        std::vector<bool> out{part<QPushButton>("addButton").isEnabled(), m_window->addLocationAction()->isEnabled(),
                              m_window->importLocationAction()->isEnabled()};
        for (const LocationRow* row : rows()) {
            for (const char* name : {"favoriteButton", "selectButton", "menuButton"}) {
                out.push_back(control(*row, name).isEnabled());
            }
        }
        return out;
    };
    EXPECT_EQ(editable(), std::vector<bool>(9, true));
    for (const TunnelPhase phase : {TunnelPhase::connecting, TunnelPhase::connected, TunnelPhase::reconnecting,
                                    TunnelPhase::disconnecting, TunnelPhase::unknown}) {
        SCOPED_TRACE(rawValue(phase));
        reportTunnelStatus(*m_model, phase);
        settle();
        EXPECT_EQ(editable(), std::vector<bool>(9, false));
        QTest::keyClick(m_window.get(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_FALSE(m_model->showingAdd());
    }
    // Finding still works.
    QTest::keyClicks(&search(), "osl");
    settle();
    EXPECT_EQ(rowNames(), std::vector<std::string>{"Oslo"});
    QTest::mouseClick(&part<ToggleButton>("favoritesToggle"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(m_model->favoritesOnly());
    // No row is left to show; the three ways to add unlock again.
    reportTunnelStatus(*m_model, TunnelPhase::disconnected);
    settle();
    EXPECT_EQ(editable(), std::vector<bool>(3, true));
}

TEST_F(LocationsViewTest, AFailedLoadLocksEveryWayToAdd) {
    std::filesystem::create_directories(document().parent_path());
    writeFile(document(), "{ not a library");
    startWindow();
    m_model->setMessage(std::nullopt);
    m_model->setPage(AppPage::locations);
    settle();
    EXPECT_TRUE(part("emptyState").isVisible());
    EXPECT_FALSE(part<QPushButton>("emptyButton").isEnabled());
    EXPECT_FALSE(part<QPushButton>("addButton").isEnabled());
    EXPECT_TRUE(search().isEnabled());
    QAction* add = m_window->addLocationAction();
    EXPECT_FALSE(add->isEnabled());
    add->trigger();
    EXPECT_FALSE(m_model->showingAdd());
}

// Tab walks the rows in the order they are listed, through each row's three buttons.
TEST_F(LocationsViewTest, TabReachesEveryRowsButtonsInListOrder) {
    startWith({"Oslo", "London", "Paris"}, std::nullopt);
    // Starring Paris moves its row, made last, to the top.
    m_model->favorite(m_model->library().profiles[2]);
    settle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    search().setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int presses = 0; presses < 11; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->accessibleName();
    }
    EXPECT_EQ(reached.mid(0, 10),
              (QStringList{"Favorites only", "Remove Paris from favorites", "Select Paris", "More actions for Paris",
                           "Favorite London", "Select London", "More actions for London", "Favorite Oslo",
                           "Select Oslo", "More actions for Oslo"}));
}
