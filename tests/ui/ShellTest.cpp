#include "app/CommandLine.h"
#include "platform/SingleInstance.h"
#include "support/WindowFixture.h"
#include "ui/ModelWatcher.h"
#include "ui/components/Palette.h"
#include "ui/components/TextLabel.h"
#include "ui/shell/Sidebar.h"
#include "ui/shell/SidebarRow.h"
#include "ui/shell/StatusDot.h"
#include "ui/shell/TrayMenu.h"
#include "ui/shell/VantorelApp.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

class ShellTest : public WindowFixture {
protected:
    QString topBarText(const char* name) const { return content().findChild<TextLabel*>(name)->text(); }
};

} // namespace

TEST_F(ShellTest, FirstDisplayAndSizes) {
    MainWindow& window = startWindow();
    EXPECT_EQ(window.windowTitle(), "Vantorel");
    EXPECT_EQ(window.size(), QSize(1140, 780));
    for (const AppPage page : allPages) {
        EXPECT_EQ(content().sidebar()->row(page)->isCurrent(), page == AppPage::connection);
    }
    EXPECT_EQ(topBarText("pageTitle"), "Connection");
    EXPECT_EQ(topBarText("phaseTitle"), "Setup required");
    EXPECT_EQ(content().findChild<StatusDot*>()->color(), Palette::muted.color());
    EXPECT_TRUE(content().pageWidget(AppPage::connection)->isVisible());
    EXPECT_FALSE(content().pageWidget(AppPage::locations)->isVisible());

    // The window stops at its minimum; the sidebar keeps its width at any size.
    for (const QSize size : {QSize(600, 400), QSize(1600, 1000)}) {
        window.resize(size);
        settle();
        EXPECT_EQ(window.size(), size.expandedTo(QSize(980, 700)));
        EXPECT_EQ(content().sidebar()->width(), 216);
    }
}

TEST_F(ShellTest, SidebarRowsChooseThePage) {
    startWindow();
    AppModel& model = *m_model;
    for (const AppPage page : {AppPage::locations, AppPage::preferences, AppPage::service, AppPage::connection}) {
        SidebarRow* row = content().sidebar()->row(page);
        QTest::mouseClick(row, Qt::LeftButton);
        EXPECT_EQ(model.page(), page);
        settle();
        EXPECT_TRUE(row->isCurrent());
        EXPECT_EQ(topBarText("pageTitle"), row->text());
        EXPECT_TRUE(content().pageWidget(page)->isVisible());
    }
    // The current row again: nothing changes.
    QTest::mouseClick(content().sidebar()->row(AppPage::connection), Qt::LeftButton);
    settle();
    EXPECT_EQ(model.page(), AppPage::connection);
    EXPECT_EQ(topBarText("pageTitle"), "Connection");

    // Keyboard: a row takes focus with Tab and is chosen with Space.
    SidebarRow* locations = content().sidebar()->row(AppPage::locations);
    locations->setFocus(Qt::TabFocusReason);
    QTest::keyClick(locations, Qt::Key_Space);
    EXPECT_EQ(model.page(), AppPage::locations);
    EXPECT_EQ(locations->accessibleName(), "Locations");
}

TEST_F(ShellTest, AlertShowsTheMessageAndOkClearsIt) {
    startWindow();
    QMessageBox* alert = content().alert();
    EXPECT_FALSE(alert->isVisible());
    m_model->setMessage(QString("First problem."));
    settle();
    ASSERT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->windowTitle(), "Vantorel");
    EXPECT_EQ(alert->text(), "First problem.");
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);

    m_model->setMessage(QString("Second problem."));
    settle();
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->text(), "Second problem.");

    QAbstractButton* ok = alert->button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    settle();
    EXPECT_FALSE(m_model->message());
    EXPECT_FALSE(alert->isVisible());

    // Closing the window to the tray puts the alert aside, unread; it returns with the window.
    m_model->setMessage(QString("Third."));
    settle();
    m_window->setHideOnClose(true);
    m_window->close();
    settle();
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(m_model->message(), "Third.");
    m_window->show();
    settle();
    EXPECT_TRUE(alert->isVisible());

    // Escape dismisses it the same way as "OK".
    QTest::keyClick(alert, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(m_model->message());
}

// While a removal holds `busy` the Add Location command does nothing, even before the menu has
// caught up. The tunnel's refusals are checked with the Locations page's controls.
TEST_F(ShellTest, AddLocationCommandIsOffWhileBusy) {
    MainWindow& window = startWindow();
    QAction* add = window.addLocationAction();
    EXPECT_EQ(add->text(), QString::fromUtf8("Add Location\xE2\x80\xA6"));
    ASSERT_TRUE(add->isEnabled());
    bool triedWhileBusy = false;
    QObject::connect(m_model.get(), &AppModel::willChange, m_window.get(), [&] {
        if (m_model->busy() && !triedWhileBusy) {
            triedWhileBusy = true;
            add->trigger();
        }
    });
    m_model->remove(sampleProfile());
    EXPECT_TRUE(triedWhileBusy);
    EXPECT_FALSE(m_model->showingAdd());
}

TEST_F(ShellTest, TrayMenuFollowsThePhase) {
    ProfileLibrary library;
    library.profiles = {sampleProfile("London")};
    writeDocument(library);
    AppModel& model = startModel();
    TrayMenu tray(model);
    using Entries = std::vector<std::string>;
    auto listed = [&] {
        Entries out;
        for (QAction* action : tray.menu()->actions()) {
            out.push_back(action->isSeparator() ? "--"
                                                : action->text().toStdString() + (action->isEnabled() ? "" : " (off)"));
        }
        return out;
    };
    auto entries = [&] {
        QApplication::processEvents();
        return listed();
    };
    EXPECT_EQ(entries(),
              (Entries{"Setup required (off)", "--", "Connect (off)", "Show Vantorel", "--", "Quit Vantorel"}));

    // Not active: no location line, even with an active location.
    reportTunnelStatus(model, TunnelPhase::disconnected, std::nullopt, library.profiles[0].id);
    EXPECT_EQ(entries(),
              (Entries{"Not connected (off)", "--", "Connect (off)", "Show Vantorel", "--", "Quit Vantorel"}));

    reportTunnelStatus(model, TunnelPhase::connected, QDateTime::currentDateTimeUtc(), library.profiles[0].id);
    EXPECT_EQ(entries(), (Entries{"VPN connected (off)", "London (off)", "--", "Disconnect", "Show Vantorel", "--",
                                  "Quit Vantorel"}));

    // Busy lasts only inside an operation: look from inside a refresh, while the phase is still
    // connected and busy is already set.
    Entries whileBusy;
    QObject::connect(&model, &AppModel::willChange, &tray, [&] {
        if (model.busy() && model.phase() == TunnelPhase::connected && whileBusy.empty()) {
            tray.rebuild();
            whileBusy = listed();
        }
    });
    model.refresh();
    EXPECT_EQ(whileBusy, (Entries{"VPN connected (off)", "London (off)", "--", "Disconnect (off)", "Show Vantorel",
                                  "--", "Quit Vantorel"}));
}

// The application's own wiring. A later start of the app and the tray's "Show Vantorel" bring back
// a window closed to the tray; a hidden start with no tray shows the window; File > Quit and the
// tray's "Quit Vantorel" end the program, and so does closing the window when there is no tray.
TEST_F(ShellTest, TheApplicationComesBackAndQuits) {
    startModel();
    VantorelApp app(*qApp, std::move(m_model));
    MainWindow& window = app.window();
    SingleInstance otherStarts;
    app.listenTo(otherStarts);
    CommandLine hidden;
    hidden.hidden = true;
    ASSERT_EQ(app.tray().icon(), nullptr) << "the offscreen platform has no tray";
    app.start(hidden);
    EXPECT_TRUE(window.isVisible());

    app.useTray(true);
    QAction* trayShow = app.tray().menu()->findChild<QAction*>("trayShow");
    for (const auto& comeBack : std::vector<std::function<void()>>{[&] { emit otherStarts.activationRequested(); },
                                                                   [&] {
                                                                       trayShow->trigger();
                                                                   }}) {
        window.close();
        EXPECT_FALSE(window.isVisible());
        comeBack();
        EXPECT_TRUE(window.isVisible());
    }

    // Whether the event loop ends, within a moment, after `act`.
    const auto quits = [](const std::function<void()>& act) {
        QTimer acting;
        QTimer giveUp;
        QObject::connect(&acting, &QTimer::timeout, act);
        QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        acting.start(0);
        giveUp.start(500);
        acting.setSingleShot(true);
        return QCoreApplication::exec() == 0;
    };
    EXPECT_FALSE(quits([&] { window.close(); })) << "the tray keeps the program";
    window.show();
    app.useTray(false);
    EXPECT_TRUE(quits([&] { window.close(); }));
    window.show();
    EXPECT_TRUE(quits([&] { window.findChild<QAction*>("quitAction")->trigger(); }));
    EXPECT_TRUE(quits([&] { app.tray().menu()->findChild<QAction*>("trayQuit")->trigger(); }));
}

// Views redraw once per burst of model changes, on the next turn; a page only while it can be
// seen, catching up as it is shown.
TEST_F(ShellTest, ModelChangesRedrawOncePerBurstAndOnlyWhatIsSeen) {
    AppModel& model = startModel();
    QWidget page;
    int redraws = 0;
    int pageRedraws = 0;
    new ModelWatcher(
        model, [&] { ++redraws; }, &page);
    ModelWatcher::forPage(
        model, [&] { ++pageRedraws; }, &page);
    model.setQuery("a");
    model.setFavoritesOnly(true);
    model.setPage(AppPage::locations);
    EXPECT_EQ(redraws, 0) << "the model announces before it stores";
    QCoreApplication::processEvents();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(pageRedraws, 0) << "a hidden page waits";
    page.show();
    EXPECT_EQ(pageRedraws, 1);
    page.hide();
    page.show();
    EXPECT_EQ(pageRedraws, 1) << "nothing changed while it was hidden";
    model.setQuery("b");
    model.setQuery("c");
    QCoreApplication::processEvents();
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(pageRedraws, 2);
}
