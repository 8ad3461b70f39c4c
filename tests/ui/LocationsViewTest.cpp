#include "ui/pages/LocationsView.h"

#include "support/WindowFixture.h"
#include "ui/components/Alert.h"
#include "ui/components/TextLabel.h"
#include "ui/components/ToggleButton.h"
#include "ui/pages/LocationRow.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

// The Locations page's own wiring: which locations are found, and in which order, is the model's.
class LocationsViewTest : public WindowFixture {
protected:
    // Starts the window on the Locations page over `names` (a leading '*' marks a favourite).
    void startWith(const std::vector<std::string>& names, std::optional<std::size_t> selected = 0) {
        ProfileLibrary library;
        for (std::string name : names) {
            const bool favorite = name.front() == '*';
            library.profiles.push_back(sampleProfile(favorite ? name.substr(1) : name));
            library.profiles.back().favorite = favorite;
        }
        if (selected) {
            library.selectedID = library.profiles[*selected].id;
        }
        writeDocument(library);
        startWindow();
        m_model->setPage(AppPage::locations);
        settle();
    }
    QLineEdit& search() const { return part<QLineEdit>("searchField"); }
    QAbstractButton& favoritesToggle() const { return part<ToggleButton>("favoritesToggle"); }

    // The rows as shown, top to bottom.
    std::vector<LocationRow*> rows() const {
        const auto all = content().findChildren<LocationRow*>();
        std::vector<LocationRow*> shown(all.begin(), all.end());
        std::erase_if(shown, [](const LocationRow* row) { return !row->isVisible(); });
        std::ranges::sort(shown, {}, &QWidget::y);
        return shown;
    }
    std::vector<std::string> rowNames() const {
        std::vector<std::string> out;
        std::ranges::transform(rows(), std::back_inserter(out),
                               [](const LocationRow* row) { return row->profile().name; });
        return out;
    }
    LocationRow& row(const std::string& name) const {
        const auto shown = rowNames();
        return *rows().at(std::size_t(std::ranges::find(shown, name) - shown.begin()));
    }
    QPushButton& control(const std::string& name, const char* control) const {
        return *row(name).findChild<QPushButton*>(control);
    }
};

} // namespace

// A search that finds nothing offers to clear the filters; an empty library invites the first
// location, whatever is typed or filtered.
TEST_F(LocationsViewTest, EmptyStatesFollowTheLibraryAndTheFilters) {
    startWith({"London", "*Oslo"});
    auto& button = part<QPushButton>("emptyButton");
    const auto emptyState = [&] {
        settle();
        EXPECT_TRUE(part("emptyState").isVisible());
        EXPECT_FALSE(part("locationList").isVisible());
        return QStringList{part<TextLabel>("emptyTitle").text(), part<TextLabel>("emptyDetail").text(), button.text()};
    };
    QTest::keyClicks(&search(), "lisbon");
    m_model->setFavoritesOnly(true);
    const QStringList nothingFound = emptyState();
    QTest::mouseClick(&button, Qt::LeftButton);
    settle();
    EXPECT_EQ(m_model->query(), "");
    EXPECT_FALSE(m_model->favoritesOnly());
    EXPECT_EQ(search().text(), "");
    EXPECT_FALSE(favoritesToggle().isChecked());
    EXPECT_EQ(rows().size(), 2u);

    QTest::keyClicks(&search(), "tok");
    QTest::mouseClick(&favoritesToggle(), Qt::LeftButton);
    for (const VPNProfile& profile : std::vector(m_model->library().profiles)) {
        m_model->remove(profile);
        m_vault->answerAll();
    }
    const QStringList noLocations = emptyState();
    for (int i = 0; i < noLocations.size(); ++i) {
        EXPECT_NE(noLocations[i], nothingFound[i]);
    }
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(m_model->showingAdd());
}

TEST_F(LocationsViewTest, SearchAndFavoritesFilterTheRowsInPlace) {
    startWith({"London", "*Paris", "Oslo"});
    EXPECT_EQ(rowNames(), names(m_model->visibleProfiles()));
    LocationRow* const london = &row("London");

    QTest::keyClicks(&search(), "LON");
    settle();
    EXPECT_EQ(m_model->query(), "LON");
    EXPECT_EQ(rowNames(), std::vector<std::string>{"London"});
    EXPECT_EQ(&row("London"), london) << "a row is kept, not rebuilt";
    // Text put in through the accessibility interface (voice control, on-screen keyboards)
    // searches as typed text does.
    QAccessible::queryAccessibleInterface(&search())->setText(QAccessible::Value, "paris");
    settle();
    EXPECT_EQ(rowNames(), std::vector<std::string>{"Paris"});

    search().clear();
    QTest::mouseClick(&favoritesToggle(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(m_model->favoritesOnly());
    EXPECT_EQ(rowNames(), names(m_model->visibleProfiles()));
}

TEST_F(LocationsViewTest, StarSelectAndRemoveChangeTheDocument) {
    startWith({"London", "Oslo", "Paris"});
    QTest::mouseClick(&control("Paris", "favoriteButton"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(stored().profiles[2].favorite);
    EXPECT_EQ(rowNames(), names(m_model->visibleProfiles())) << "the row moved with its star";

    QTest::mouseClick(&control("Oslo", "selectButton"), Qt::LeftButton);
    settle();
    EXPECT_EQ(stored().selectedID, stored().profiles[1].id);
    // The selected row says so, and cannot be selected again.
    EXPECT_FALSE(control("Oslo", "selectButton").isEnabled());
    EXPECT_TRUE(control("London", "selectButton").isEnabled());
    EXPECT_NE(control("Oslo", "selectButton").text(), control("London", "selectButton").text());

    // Removal asks first; cancelling changes nothing.
    auto& confirmation = part<Alert>("removalConfirmation");
    const auto askToRemove = [&](const std::string& name) {
        row(name).findChild<QAction*>("removeAction")->trigger();
        settle();
        EXPECT_TRUE(confirmation.isVisible());
        EXPECT_TRUE(confirmation.findChild<QPushButton*>("confirmRemoveButton")->text().contains(name.c_str()));
    };
    const std::string before = readFile(document());
    askToRemove("London");
    QTest::keyClick(&confirmation, Qt::Key_Escape);
    settle();
    settle();
    EXPECT_EQ(readFile(document()), before);

    askToRemove("London");
    QTest::mouseClick(confirmation.findChild<QPushButton*>("confirmRemoveButton"), Qt::LeftButton);
    settle();
    settle();
    EXPECT_EQ(names(stored().profiles), (std::vector<std::string>{"Oslo", "Paris"}));
    EXPECT_EQ(rowNames(), names(m_model->visibleProfiles()));
}

// Tab walks the rows in the order they are listed, through each row's buttons, and each button
// names the location it is for: a screen reader hears it out of its row. In the largest library
// only the rows in view have widgets, yet Tab reaches every row, the page area following it.
TEST_F(LocationsViewTest, TabReachesEveryRowsButtonsInListOrder) {
    std::vector<std::string> many{"Oslo", "London", "Paris"};
    while (many.size() < ProfileLibrary::maxProfiles) {
        many.push_back("Place " + std::to_string(many.size()));
    }
    startWith(many, std::nullopt);
    // Starring Paris moves its row to the top.
    m_model->favorite(m_model->library().profiles[2]);
    settle();
    const auto listed = names(m_model->visibleProfiles());
    ASSERT_EQ(rowNames().front(), "Paris");
    EXPECT_LT(content().findChildren<LocationRow*>().size() * 4, listed.size());
    QWidget& view = *part<QScrollArea>("pageScrollArea").viewport();
    QScrollBar& bar = *part<QScrollArea>("pageScrollArea").verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    // A row reused for another location closes the menu opened for the one before.
    QTest::mouseClick(rows()[3]->findChild<QPushButton*>("menuButton"), Qt::LeftButton);
    const QMenu* menu = rows()[3]->findChild<QMenu*>("rowMenu");
    search().setFocus(Qt::TabFocusReason);
    bar.setValue(bar.maximum() / 2);
    EXPECT_TRUE(menu != nullptr && !menu->isVisible());
    QTest::keyClick(&search(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &favoritesToggle());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        // Once, the page is scrolled away from the focus: the rows in view have their widgets, and
        // Tab, then Shift+Tab, go on from the focus.
        if (i == 10) {
            bar.setValue(bar.maximum() / 2);
            EXPECT_TRUE(qobject_cast<LocationRow*>(view.childAt(view.width() / 4, view.height() / 2)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            bar.setValue(bar.maximum() / 2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const auto* row = qobject_cast<LocationRow*>(QApplication::focusWidget()->parentWidget());
        ASSERT_TRUE(row != nullptr && row->profile().name == listed[i]) << listed[i];
        for (const QWidget* control : row->controls()) {
            if (control != row->controls().front()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            EXPECT_EQ(QApplication::focusWidget(), control);
            EXPECT_TRUE(control->accessibleName().contains(listed[i].c_str()));
            EXPECT_TRUE(view.rect().contains(QRect(control->mapTo(&view, QPoint()), control->size())));
        }
    }
}
