#include "support/WindowFixture.h"
#include "ui/components/Switch.h"
#include "ui/components/SymbolButton.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/ServiceView.h"
#include "ui/shell/Sidebar.h"
#include "ui/shell/SidebarRow.h"
#include "ui/shell/TrayMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDesktopServices>
#include <QMenu>
#include <QScrollArea>
#include <QTest>
#include <QUrl>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

// Stands in for the default browser.
class UrlCatcher final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

using PagesTest = WindowFixture;

} // namespace

TEST_F(PagesTest, PreferenceSwitchesStoreThroughTheModel) {
    writeDocument(ProfileLibrary{});
    startWindow();
    m_model->setPage(AppPage::preferences);
    // The notice shows while a session is active, not merely while editing is locked.
    for (const auto& [phase, shown] : {std::pair(TunnelPhase::connected, true), std::pair(TunnelPhase::unknown, false),
                                       std::pair(TunnelPhase::disconnected, false)}) {
        reportTunnelStatus(*m_model, phase);
        settle();
        EXPECT_EQ(part("disconnectNotice").isVisible(), shown) << rawValue(phase);
    }
    auto& allow = part<Switch>("allowLocalNetworkSwitch");
    QTest::mouseClick(&allow, Qt::LeftButton);
    EXPECT_TRUE(allow.isChecked());
    EXPECT_TRUE(stored().settings.allowLocalNetwork);
    // A screen reader toggles the switch without clicking it.
    QAccessible::queryAccessibleInterface(&part<Switch>("disconnectOnSleepSwitch"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(stored().settings.disconnectOnSleep);

    // A flip that cannot be stored springs back (the model keeps the value and says why).
    m_failWrites = true;
    QTest::mouseClick(&allow, Qt::LeftButton);
    EXPECT_TRUE(allow.isChecked());
    settle();
    EXPECT_TRUE(allow.isChecked());
}

TEST(ServiceView, LinksOpenThePartnersPages) {
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    ServiceView view;
    view.resize(400, view.heightForWidth(400));
    view.show();
    QApplication::processEvents();
    const auto links = view.findChildren<SymbolButton*>(QStringLiteral("link"));
    ASSERT_FALSE(links.isEmpty());
    for (SymbolButton* link : links) {
        QTest::mouseClick(link, Qt::LeftButton);
        // In a narrow window the detail wraps beside the link and never runs under it.
        auto* detail = link->parentWidget()->findChild<TextLabel*>(QStringLiteral("detail"));
        EXPECT_GT(detail->lineCount(detail->width()), 1);
        EXPECT_FALSE(detail->geometry().intersects(link->geometry()));
    }
    ASSERT_EQ(browser.opened.size(), links.size());
    for (const QUrl& url : browser.opened) {
        EXPECT_EQ(url.scheme(), "https");
        EXPECT_EQ(browser.opened.count(url), 1) << "each partner has its own page";
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

// Tab reaches every button of each page, and the sidebar on the way; each is announced with its
// name, and a switch with its state.
TEST_F(PagesTest, EveryControlIsReachedWithTabAndNamed) {
    startWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    for (const AppPage which : {AppPage::connection, AppPage::preferences, AppPage::service}) {
        SCOPED_TRACE(rawValue(which));
        m_model->setPage(which);
        settle();
        QList<QWidget*> reached;
        for (int presses = 0; presses < 20; ++presses) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(focus);
            EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty()) << focus->metaObject()->className();
            EXPECT_TRUE(qobject_cast<Switch*>(focus) == nullptr || spoken->state().checkable);
            if (reached.contains(focus)) {
                break;
            }
            reached << focus;
        }
        for (QAbstractButton* button : content().pageWidget(which)->findChildren<QAbstractButton*>()) {
            EXPECT_TRUE(!button->isVisible() || reached.contains(button)) << button->accessibleName().toStdString();
        }
        EXPECT_TRUE(reached.contains(content().sidebar()->row(AppPage::service)));
    }
}

// Locations whose every text is as long as the rules allow, in the widest letters: no page is wider
// than the room it is shown in, at the smallest window and a larger one, and the tray menu keeps a
// menu's width. What is shortened says itself in full to the pointer.
TEST_F(PagesTest, TheLongestTextsFitEveryPageAtEveryWindowSize) {
    ProfileLibrary library = libraryOf(3);
    for (VPNProfile& profile : library.profiles) {
        profile.name = std::string(80, 'W');
        profile.country = std::string(80, 'W');
        profile.username = std::string(254, 'W');
        profile.server = profile.remoteIdentifier =
            std::string(63, 'w') + "." + std::string(63, 'w') + "." + std::string(63, 'w') + "." + std::string(61, 'w');
    }
    ASSERT_TRUE(library.validated());
    writeDocument(library);
    startWindow();
    auto* scroll = m_window->findChild<QScrollArea*>("pageScrollArea");
    for (const QSize size : {MainWindow::minimumWindowSize, MainWindow::defaultWindowSize}) {
        m_window->resize(size);
        for (const AppPage page : allPages) {
            SCOPED_TRACE(std::string(rawValue(page)) + " at " + std::to_string(size.width()));
            m_model->setPage(page);
            settle();
            const int room = scroll->viewport()->width();
            for (const QWidget* part : content().pageWidget(page)->findChildren<QWidget*>()) {
                if (part->isVisible()) {
                    EXPECT_LE(part->mapTo(scroll->viewport(), QPoint(part->width(), 0)).x(), room)
                        << part->metaObject()->className() << " " << part->objectName().toStdString();
                }
            }
        }
    }
    EXPECT_EQ(part<TextLabel>("locationName").toolTip(), QString(80, QLatin1Char('W')));

    reportTunnelStatus(*m_model, TunnelPhase::connected, std::nullopt, library.profiles[0].id);
    TrayMenu tray(*m_model);
    EXPECT_LE(tray.menu()->sizeHint().width(), MainWindow::minimumWindowSize.width() / 2);
}

#include "PagesTest.moc"
