#include "app/CommandLine.h"
#include "platform/SingleInstance.h"
#include "support/WindowFixture.h"
#include "ui/ModelWatcher.h"
#include "ui/components/Alert.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/AddLocationView.h"
#include "ui/pages/LocationRow.h"
#include "ui/shell/Sidebar.h"
#include "ui/shell/SidebarRow.h"
#include "ui/shell/TrayMenu.h"
#include "ui/shell/VantorelApp.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <tuple>

using namespace vantorel;
using namespace vantorel::testing;

using ShellTest = WindowFixture;

TEST_F(ShellTest, SidebarRowsChooseThePage) {
    startWindow();
    const auto shows = [&](AppPage page) {
        settle();
        EXPECT_EQ(m_model->page(), page);
        for (const AppPage other : allPages) {
            EXPECT_EQ(content().sidebar()->row(other)->isCurrent(), other == page);
            EXPECT_EQ(content().pageWidget(other)->isVisible(), other == page);
        }
        EXPECT_EQ(part<TextLabel>("pageTitle").text(), content().sidebar()->row(page)->text());
    };
    shows(AppPage::connection);
    for (const AppPage page : {AppPage::locations, AppPage::preferences, AppPage::service, AppPage::connection}) {
        SCOPED_TRACE(rawValue(page));
        QTest::mouseClick(content().sidebar()->row(page), Qt::LeftButton);
        shows(page);
    }
    // The window starts with the focus where the keyboard scrolls the page, not on a row. Clicked, a
    // row takes no focus, and a field on the page left does not pass its focus to a row.
    EXPECT_EQ(QApplication::focusWidget(), m_window->findChild<QWidget*>("pageScrollArea"));
    m_model->setPage(AppPage::locations);
    settle();
    QTest::mouseClick(&part<QLineEdit>("searchField"), Qt::LeftButton);
    QTest::keyClicks(&part<QLineEdit>("searchField"), "lo");
    QTest::mouseClick(content().sidebar()->row(AppPage::connection), Qt::LeftButton);
    QTest::mouseClick(content().sidebar()->row(AppPage::preferences), Qt::LeftButton);
    shows(AppPage::preferences);
    for (const AppPage page : allPages) {
        EXPECT_FALSE(content().sidebar()->row(page)->hasFocus()) << rawValue(page);
    }
    // Keyboard: a row takes focus with Tab and is chosen with Space.
    SidebarRow* locations = content().sidebar()->row(AppPage::locations);
    locations->setFocus(Qt::TabFocusReason);
    QTest::keyClick(locations, Qt::Key_Space);
    shows(AppPage::locations);
}

// A page's first frame after a switch is its final one: nothing is painted between the switch and
// the layout settling. Each page opens at its top, or where the person left that page, never where
// another page was scrolled to.
TEST_F(ShellTest, APageShowsItsFinalLayoutFromItsFirstFrameAndKeepsItsOwnPlace) {
    writeDocument(libraryOf(12));
    startWindow();
    m_window->resize(MainWindow::minimumWindowSize);
    settle();
    auto* scroll = m_window->findChild<QScrollArea*>("pageScrollArea");
    for (int round = 0; round < 2; ++round) {
        for (const AppPage page : allPages) {
            SCOPED_TRACE(rawValue(page));
            QTest::mouseClick(content().sidebar()->row(page), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // the redraw the model asked for
            // What a frame would show now, and once everything has settled: the top bar, and the page
            // and where it lies in the scrolling area (whose bar comes and goes as it pleases).
            QWidget& shown = *content().pageWidget(page);
            const auto frame = [&] {
                return std::tuple(part("topBar").grab().toImage(), shown.grab().toImage(),
                                  shown.mapTo(scroll->viewport(), QPoint()));
            };
            const auto first = frame();
            settle();
            const auto later = frame();
            EXPECT_EQ(std::get<0>(first), std::get<0>(later)) << "top bar";
            EXPECT_EQ(std::get<1>(first), std::get<1>(later)) << "page";
            EXPECT_EQ(std::get<2>(first), std::get<2>(later)) << "page position";
            EXPECT_EQ(scroll->verticalScrollBar()->value(),
                      page == AppPage::locations && round == 1 ? scroll->verticalScrollBar()->maximum() : 0);
            if (page == AppPage::locations) {
                scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
                ASSERT_GT(scroll->verticalScrollBar()->value(), 0);
            }
        }
    }
}

// The alert shows the latest message until "OK" or Escape clears it. Closing the window to the
// tray puts it aside, unread, to return with the window, and closes the add sheet (which takes the
// password typed in it along, as any closing does).
TEST_F(ShellTest, AlertShowsTheMessageUntilItIsDismissed) {
    startWindow();
    Alert* alert = content().alert();
    for (const QString text : {"First problem.", "Second problem."}) {
        m_model->setMessage(text);
        settle();
        ASSERT_TRUE(alert->isVisible());
        EXPECT_EQ(alert->text(), text) << "a newer message replaces the text of the open alert";
    }
    // A file's name, however long, stays on a line of its own above the sentence, within the alert.
    const QString name = QStringLiteral("\u201C%1.mobileconfig\u201D").arg(QString(240, u'W'));
    const QString sentence = QStringLiteral("This file could not be read, and nothing was added. ").repeated(3);
    m_model->setMessage(name + QLatin1Char('\n') + sentence);
    settle();
    const auto& subject = *alert->findChild<TextLabel*>("alertSubject");
    EXPECT_EQ(alert->subject(), name);
    EXPECT_EQ(alert->text(), sentence);
    const auto& text = *alert->findChild<TextLabel*>("alertText");
    EXPECT_EQ(text.height(), text.heightForWidth(text.width())) << "the sentence wraps, all of it shown";
    EXPECT_EQ(subject.height(), subject.sizeHint().height());
    EXPECT_LE(alert->width(), Alert::alertWidth);
    EXPECT_EQ(subject.toolTip(), name);
    QTest::mouseClick(alert->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(m_model->message());
    EXPECT_FALSE(alert->isVisible());

    m_window->setHideOnClose(true);
    m_model->setShowingAdd(true);
    settle();
    m_window->close();
    settle();
    EXPECT_FALSE(content().sheet()->isVisible());
    m_window->show();
    m_model->setMessage(QString("Third."));
    settle();
    m_window->close();
    settle();
    m_model->setQuery("any change"); // the alert stays away while the window is in the tray
    settle();
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(m_model->message(), "Third.");
    m_window->show();
    settle();
    EXPECT_TRUE(alert->isVisible());
    QTest::keyClick(alert, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(m_model->message());
}

// Every control that edits the library follows the model's canEdit: one locked phase and back.
// When canEdit holds is the model's rule, tested with the model.
TEST_F(ShellTest, EveryEditingControlFollowsCanEdit) {
    startWindow();
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString((m_temp.path() / "provider.sswan").string()))});
    // A hidden page catches up with the model when it is shown, so each is looked at in turn.
    const auto editable = [&] {
        QDragEnterEvent drag(QPoint(10, 10), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &drag);
        std::vector<bool> out{drag.isAccepted(), m_window->addLocationAction()->isEnabled(),
                              m_window->importLocationAction()->isEnabled(), part("saveButton").isEnabled()};
        m_model->setPage(AppPage::preferences);
        settle();
        out.push_back(part("settingsPanel").isEnabled());
        m_model->setPage(AppPage::locations);
        settle();
        out.push_back(part("addButton").isEnabled());
        for (const LocationRow* row : content().findChildren<LocationRow*>()) {
            for (const QWidget* control : row->controls()) {
                // The selected location's own select button is off in every phase.
                if (control->objectName() != "selectButton" || row->profile().id != m_model->library().selectedID) {
                    out.push_back(control->isEnabled());
                }
            }
        }
        if (part("emptyState").isVisible()) {
            out.push_back(part("emptyButton").isEnabled());
        }
        return out;
    };
    m_model->setShowingAdd(true);
    settle();
    for (const int locations : {0, 2}) {
        SCOPED_TRACE(locations);
        while (m_model->library().profiles.size() < std::size_t(locations)) {
            m_model->add("Oslo", "Norway", "no.provider.example", "no.provider.example", "me", "pw");
            m_vault->answerAll();
            ASSERT_FALSE(m_model->addFailure());
        }
        m_model->setShowingAdd(true);
        settle();
        const std::size_t count = editable().size();
        EXPECT_EQ(editable(), std::vector<bool>(count, true));
        reportTunnelStatus(*m_model, TunnelPhase::connected);
        settle();
        EXPECT_EQ(editable(), std::vector<bool>(count, false));
        EXPECT_TRUE(part("searchField").isEnabled() && part("favoritesToggle").isEnabled()) << "finding stays";
        reportTunnelStatus(*m_model, TunnelPhase::disconnected);
        settle();
        EXPECT_EQ(editable(), std::vector<bool>(count, true));
    }
    // While a removal holds `busy` the command does nothing, even before the menu has caught up.
    m_model->setShowingAdd(false);
    m_model->remove(m_model->library().profiles[0]);
    m_window->addLocationAction()->trigger();
    EXPECT_FALSE(m_model->showingAdd());
    m_vault->answerAll();
}

// Which entries the tray offers, and which of them can be used, in each phase.
TEST_F(ShellTest, TrayMenuFollowsThePhase) {
    const ProfileLibrary library = libraryOf(1);
    writeDocument(library);
    AppModel& model = startModel();
    TrayMenu tray(model);
    using Entries = std::vector<std::string>;
    const auto listed = [&] {
        Entries out;
        for (const QAction* action : tray.menu()->actions()) {
            if (!action->isSeparator()) {
                out.push_back(action->objectName().toStdString() + (action->isEnabled() ? "" : " (off)"));
            }
        }
        return out;
    };
    const Entries idle{"trayPhase (off)", "trayConnect (off)", "trayShow", "trayQuit"};
    EXPECT_EQ(listed(), idle);
    // Not active: no location line, even with an active location.
    reportTunnelStatus(model, TunnelPhase::disconnected, std::nullopt, library.profiles[0].id);
    QApplication::processEvents();
    EXPECT_EQ(listed(), idle);

    reportTunnelStatus(model, TunnelPhase::connected, QDateTime::currentDateTimeUtc(), library.profiles[0].id);
    QApplication::processEvents();
    EXPECT_EQ(listed(),
              (Entries{"trayPhase (off)", "trayActiveLocation (off)", "trayDisconnect", "trayShow", "trayQuit"}));
    EXPECT_EQ(tray.menu()->actions().value(1)->text(), QString::fromStdString(library.profiles[0].name));

    // Busy lasts only inside an operation: look from inside a refresh, while the phase is still
    // connected and busy is already set.
    whileBusy([&] { model.refresh(); },
              [&] {
                  ASSERT_EQ(model.phase(), TunnelPhase::connected);
                  tray.rebuild();
                  EXPECT_EQ(listed(), (Entries{"trayPhase (off)", "trayActiveLocation (off)", "trayDisconnect (off)",
                                               "trayShow", "trayQuit"}));
              });
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
    for (const bool fromTray : {false, true}) {
        window.close();
        EXPECT_FALSE(window.isVisible());
        fromTray ? app.tray().menu()->findChild<QAction*>("trayShow")->trigger()
                 : emit otherStarts.activationRequested();
        EXPECT_TRUE(window.isVisible()) << (fromTray ? "from the tray" : "started again");
    }

    // Whether the event loop ends, within a moment, after `act`.
    const auto quits = [](const std::function<void()>& act) {
        QObject pending; // takes both timers with it
        QTimer::singleShot(0, &pending, act);
        QTimer::singleShot(500, &pending, [] { QCoreApplication::exit(1); });
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

// Closing the window to the tray leaves an add or a removal going on: its sheet or its waiting, and
// its outcome, stay with the window and come back with it.
TEST_F(ShellTest, AnOperationGoesOnWithTheWindowInTheTray) {
    startWindow();
    m_window->setHideOnClose(true);
    AddLocationSheet& sheet = *content().sheet();
    for (const bool refused : {true, false}) {
        SCOPED_TRACE(refused ? "refused" : "stored");
        m_model->setShowingAdd(true);
        settle();
        fill({"Oslo", "Norway", "no.provider.example", "no.provider.example", "me", "pw"});
        QTest::mouseClick(sheet.view()->saveButton(), Qt::LeftButton);
        m_window->close();
        settle();
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_TRUE(m_model->busy()) << "the save goes on";
        refused ? m_vault->refuse() : m_vault->answerAll();
        settle();
        m_window->show();
        settle();
        EXPECT_EQ(sheet.isVisible(), refused);
        if (refused) {
            EXPECT_EQ(part<TextLabel>("errorLine").text(),
                      QString::fromUtf8(VPNFailure::credentialsUnavailable().description()));
            QTest::keyClick(&sheet, Qt::Key_Escape);
            settle();
        }
    }
    EXPECT_EQ(m_model->library().profiles.size(), 1u);

    // A removal's waiting, in the window, with the window.
    QWidget& waiting = *content().removalWaiting();
    m_model->remove(m_model->library().profiles[0]);
    ASSERT_TRUE(QTest::qWaitFor([&] { return waiting.isVisible(); }));
    EXPECT_TRUE(QApplication::topLevelWidgets().contains(m_window.get()));
    m_window->close();
    settle();
    m_window->show();
    settle();
    EXPECT_TRUE(waiting.isVisible());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(waiting.isVisible());
    EXPECT_FALSE(m_model->busy());
    EXPECT_TRUE(m_model->message()) << "the password left behind is reported";
}

// Quitting during a save, from the tray or by SIGTERM (a logout), gives it up and lets the event
// loop end, with status 0, once the store has answered what is out: the password it stored after
// all is deleted first.
TEST_F(ShellTest, QuittingDuringASaveLeavesNothingInTheStore) {
    for (const bool terminated : {false, true}) {
        SCOPED_TRACE(terminated ? "SIGTERM" : "the tray's Quit");
        startModel();
        FakeVault& vault = *m_vault;
        VantorelApp app(*qApp, std::move(m_model));
        app.start({});
        app.model().setShowingAdd(true);
        app.model().add("Oslo", "Norway", "no.provider.example", "no.provider.example", "me", "pw");
        ASSERT_EQ(vault.held.size(), 1u);
        QObject pending;
        QTimer::singleShot(0, &pending, [&] {
            terminated ? (void)::raise(SIGTERM) : app.tray().menu()->findChild<QAction*>("trayQuit")->trigger();
        });
        // The store answers the held request, then the deletion it leads to.
        QTimer answering;
        answering.callOnTimeout(&pending, [&] {
            if (!vault.held.empty()) {
                vault.answer();
            }
        });
        answering.start(50);
        QTimer::singleShot(5000, &pending, [] { QCoreApplication::exit(1); });
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - started, VantorelApp::quitPatience);
        EXPECT_FALSE(app.window().isVisible());
        EXPECT_FALSE(app.model().busy());
        EXPECT_TRUE(m_items->empty());
        EXPECT_TRUE(vault.held.empty());
    }
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
