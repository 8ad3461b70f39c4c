#include "support/WindowFixture.h"
#include "ui/components/Palette.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/shell/Sidebar.h"
#include "ui/shell/SidebarRow.h"
#include "ui/shell/StatusDot.h"
#include "ui/shell/TrayMenu.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

class ShellTest : public WindowFixture {
protected:
    QString topBarText(const char* name) const { return content().findChild<TextLabel*>(name)->text(); }
    StatusDot& dot() const { return *content().findChild<StatusDot*>(); }
};

} // namespace

TEST_F(ShellTest, FirstDisplay) {
    MainWindow& window = startWindow();
    EXPECT_EQ(window.windowTitle(), "Vantorel");
    EXPECT_EQ(window.size(), QSize(1140, 780));
    for (const AppPage page : allPages) {
        EXPECT_EQ(content().sidebar()->row(page)->isCurrent(), page == AppPage::connection);
    }
    EXPECT_EQ(topBarText("pageTitle"), "Connection");
    EXPECT_EQ(topBarText("phaseTitle"), "Setup required");
    EXPECT_EQ(dot().color(), Palette::muted.color());
    EXPECT_TRUE(content().pageWidget(AppPage::connection)->isVisible());
    EXPECT_FALSE(content().pageWidget(AppPage::locations)->isVisible());
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

TEST_F(ShellTest, OnlyConnectedLightsTheDot) {
    startWindow();
    const std::pair<TunnelPhase, const char*> phases[] = {
        {TunnelPhase::disconnected, "Not connected"},  {TunnelPhase::connecting, "Connecting"},
        {TunnelPhase::connected, "VPN connected"},     {TunnelPhase::reconnecting, "Reconnecting"},
        {TunnelPhase::disconnecting, "Disconnecting"}, {TunnelPhase::unknown, "Status unavailable"},
    };
    for (const auto& [phase, text] : phases) {
        AppModelProbe::report(*m_model, phase);
        settle();
        EXPECT_EQ(topBarText("phaseTitle"), text);
        EXPECT_EQ(dot().color(), (phase == TunnelPhase::connected ? Palette::lime : Palette::muted).color()) << text;
    }
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

TEST_F(ShellTest, SheetFollowsShowingAdd) {
    startWindow();
    AddLocationSheet* sheet = content().sheet();
    m_model->setShowingAdd(true);
    settle();
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->width(), 530);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    // Dismissed by the user: the model hears of it.
    QTest::keyClick(sheet, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(m_model->showingAdd());
    // Closed by the model: the sheet goes.
    m_model->setShowingAdd(true);
    settle();
    ASSERT_TRUE(sheet->isVisible());
    m_model->setShowingAdd(false);
    settle();
    EXPECT_FALSE(sheet->isVisible());
}

TEST_F(ShellTest, AddLocationCommandFollowsCanEdit) {
    MainWindow& window = startWindow();
    QAction* add = window.addLocationAction();
    EXPECT_EQ(add->text(), QString::fromUtf8("Add Location\xE2\x80\xA6"));
    EXPECT_EQ(add->shortcut(), QKeySequence(QKeySequence::New));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(m_model->showingAdd());
    m_model->setShowingAdd(false);
    settle();

    for (const TunnelPhase phase : {TunnelPhase::connecting, TunnelPhase::connected, TunnelPhase::reconnecting,
                                    TunnelPhase::disconnecting, TunnelPhase::unknown}) {
        AppModelProbe::report(*m_model, phase);
        settle();
        EXPECT_FALSE(add->isEnabled()) << rawValue(phase);
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        EXPECT_FALSE(m_model->showingAdd()) << rawValue(phase);
    }
    AppModelProbe::report(*m_model, TunnelPhase::disconnected);
    settle();
    EXPECT_TRUE(add->isEnabled());

    // While a removal holds `busy` the command does nothing, even before the menu has caught up.
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

TEST_F(ShellTest, AddLocationCommandIsOffAfterAFailedLoad) {
    std::filesystem::create_directories(document().parent_path());
    writeFile(document(), "{ not a library");
    MainWindow& window = startWindow();
    EXPECT_FALSE(window.addLocationAction()->isEnabled());
    window.addLocationAction()->trigger();
    EXPECT_FALSE(m_model->showingAdd());
}

TEST_F(ShellTest, WindowAndSidebarSizes) {
    MainWindow& window = startWindow();
    EXPECT_EQ(window.minimumSize(), QSize(980, 700));
    window.resize(600, 400);
    EXPECT_EQ(window.size(), QSize(980, 700));
    settle();
    EXPECT_EQ(content().sidebar()->width(), 216);
    window.resize(1600, 1000);
    settle();
    EXPECT_EQ(content().sidebar()->width(), 216);
}

TEST_F(ShellTest, TrayMenuFollowsThePhase) {
    ProfileLibrary library;
    library.profiles = {sampleProfile("London")};
    writeDocument(library);
    AppModel& model = startModel();
    TrayMenu tray(model);
    auto entries = [&] {
        QApplication::processEvents();
        std::vector<std::string> out;
        for (QAction* action : tray.menu()->actions()) {
            out.push_back(action->isSeparator() ? "--"
                                                : action->text().toStdString() + (action->isEnabled() ? "" : " (off)"));
        }
        return out;
    };
    using Entries = std::vector<std::string>;
    EXPECT_EQ(entries(),
              (Entries{"Setup required (off)", "--", "Connect (off)", "Show Vantorel", "--", "Quit Vantorel"}));

    // Not active: no location line, even with an active location.
    AppModelProbe::report(model, TunnelPhase::disconnected, std::nullopt, library.profiles[0].id);
    EXPECT_EQ(entries(),
              (Entries{"Not connected (off)", "--", "Connect (off)", "Show Vantorel", "--", "Quit Vantorel"}));

    AppModelProbe::report(model, TunnelPhase::connected, QDateTime::currentDateTimeUtc(), library.profiles[0].id);
    EXPECT_EQ(entries(), (Entries{"VPN connected (off)", "London (off)", "--", "Disconnect", "Show Vantorel", "--",
                                  "Quit Vantorel"}));

    // Busy lasts only inside an operation: look from inside a refresh, while the phase is still
    // connected and busy is already set.
    Entries whileBusy;
    QObject::connect(&model, &AppModel::willChange, &tray, [&] {
        if (model.busy() && model.phase() == TunnelPhase::connected && whileBusy.empty()) {
            tray.rebuild();
            for (QAction* action : tray.menu()->actions()) {
                if (action->text() == "Disconnect") {
                    whileBusy.push_back(action->isEnabled() ? "enabled" : "off");
                }
            }
        }
    });
    model.refresh();
    EXPECT_EQ(whileBusy, Entries{"off"});
}
