#include "ui/pages/ConnectionView.h"

#include "core/PlatformText.h"
#include "support/WindowFixture.h"
#include "ui/QtText.h"
#include "ui/components/AccentButton.h"
#include "ui/components/IconLabel.h"
#include "ui/components/MetricCard.h"
#include "ui/components/Palette.h"
#include "ui/components/Spinner.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextButton.h"
#include "ui/components/TextLabel.h"
#include "ui/shell/StatusDot.h"

#include <QSet>
#include <QTest>
#include <QTimer>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

// What the Connection page shows, read off its widgets.
struct Shown {
    QString label, symbol;
    QColor symbolColor;
    QString title, detail, caption, buttonSymbol;
    bool spinner = false;
    bool enabled = false;
    QString session, sessionDetail, location, locationDetail;
};

class ConnectionViewTest : public WindowFixture {
protected:
    void SetUp() override {
        m_library.profiles = {sampleProfile("London"), sampleProfile("Oslo")};
        m_library.profiles[1].country = "Norway";
        m_library.selectedID = m_library.profiles[0].id;
        writeDocument(m_library);
        startWindow();
    }
    ConnectionView& page() const { return *content().findChild<ConnectionView*>(); }
    template <typename T> T& part(const char* name) const { return *page().findChild<T*>(name); }
    QTimer& sessionTimer() const { return part<QTimer>("sessionTimer"); }
    // The heights of the row of figures; one, when its tiles line up.
    QSet<int> tileHeights() const {
        QSet<int> heights;
        for (const auto* tile : page().findChildren<MetricCard*>()) {
            heights << tile->height();
        }
        return heights;
    }

    Shown shown() const {
        auto& button = part<AccentButton>("primaryButton");
        auto* spinner = button.findChild<Spinner*>();
        return {part<IconLabel>("statusLabel").text(),
                part<SymbolLabel>("statusSymbol").symbol(),
                part<SymbolLabel>("statusSymbol").color(),
                part<TextLabel>("statusTitle").text(),
                part<TextLabel>("statusDetail").text(),
                button.text(),
                button.isBusy() ? QString() : button.symbol(),
                spinner != nullptr && spinner->isVisibleTo(&button),
                button.isEnabled(),
                part<MetricCard>("sessionTile").value(),
                part<MetricCard>("sessionTile").detail(),
                part<TextLabel>("locationName").text(),
                part<TextLabel>("locationDetail").text()};
    }

    // `busy` holds only inside one of the model's operations: look from inside a refresh, after
    // the flag is set and before the tunnel's answer changes the phase.
    Shown shownWhileBusy() {
        std::optional<Shown> seen;
        const auto hook = QObject::connect(m_model.get(), &AppModel::willChange, m_window.get(), [&] {
            if (m_model->busy() && !seen) {
                page().refresh();
                seen = shown();
            }
        });
        m_model->refresh();
        QObject::disconnect(hook);
        return seen.value_or(Shown{});
    }

    ProfileLibrary m_library;
};

} // namespace

// The page and the window's top bar both follow the phase; only a confirmed connection lights
// them up, though "connecting" already offers "Disconnect".
TEST_F(ConnectionViewTest, FollowsThePhase) {
    const std::pair<TunnelPhase, QString> rows[] = {
        {TunnelPhase::unavailable, "Set up your service"}, {TunnelPhase::disconnected, "Set up your service"},
        {TunnelPhase::connecting, "Disconnect"},           {TunnelPhase::connected, "Disconnect"},
        {TunnelPhase::reconnecting, "Disconnect"},         {TunnelPhase::disconnecting, "Disconnect"},
        {TunnelPhase::unknown, "Refresh status"},
    };
    // Built once: every change after this is made in place.
    const auto* const titleLabel = &part<TextLabel>("statusTitle");
    QSet<QString> titles, details;
    for (const auto& [phase, caption] : rows) {
        SCOPED_TRACE(rawValue(phase));
        const bool connected = phase == TunnelPhase::connected;
        reportTunnelStatus(*m_model, phase);
        settle();
        const Shown idle = shown();
        EXPECT_EQ(content().findChild<TextLabel*>("phaseTitle")->text(), idle.title);
        EXPECT_EQ(content().findChild<StatusDot*>()->color(), (connected ? Palette::lime : Palette::muted).color());
        EXPECT_EQ(idle.label, connected ? "CONNECTION ACTIVE" : "CONNECTION STATUS");
        EXPECT_EQ(idle.symbol, connected ? "checkmark.shield.fill" : "shield.lefthalf.filled");
        EXPECT_EQ(idle.symbolColor, (connected ? Palette::lime : Palette::violet).color());
        titles << idle.title;
        details << idle.detail;
        EXPECT_EQ(idle.caption, caption);
        EXPECT_EQ(idle.buttonSymbol, caption == "Disconnect" ? "power" : "arrow.right");
        EXPECT_FALSE(idle.spinner);
        EXPECT_EQ(idle.enabled, phase != TunnelPhase::disconnecting);
        // Connected without a start time: no timer, but the session is already the system's.
        EXPECT_EQ(idle.session, "\u2014");
        EXPECT_EQ(idle.sessionDetail, connected ? toQString(platformText().sessionReportedBy) : "No active session");
        EXPECT_EQ(tileHeights().size(), 1);

        // Busy: the spinner stands in for the symbol and the button cannot be pressed.
        const Shown busy = shownWhileBusy();
        EXPECT_EQ(busy.caption, caption);
        EXPECT_TRUE(busy.spinner);
        EXPECT_TRUE(busy.buttonSymbol.isEmpty());
        EXPECT_FALSE(busy.enabled);
    }
    EXPECT_EQ(&part<TextLabel>("statusTitle"), titleLabel);
    // Every phase has a title and a detail of its own.
    titles.remove({});
    details.remove({});
    EXPECT_EQ(titles.size(), std::ssize(rows));
    EXPECT_EQ(details.size(), std::ssize(rows));
}

TEST_F(ConnectionViewTest, BottomRowNamesTheActiveLocationElseTheSelection) {
    const VPNProfile& oslo = m_library.profiles[1];
    auto lines = [&] {
        settle();
        const Shown now = shown();
        return std::pair(now.location, now.locationDetail);
    };
    using Lines = std::pair<QString, QString>;
    // Not active: the selection, even when the tunnel names another location.
    reportTunnelStatus(*m_model, TunnelPhase::disconnected, std::nullopt, oslo.id);
    EXPECT_EQ(lines(), Lines("London", "United Kingdom"));
    // Active: the tunnel's location, never the selection.
    reportTunnelStatus(*m_model, TunnelPhase::connecting, std::nullopt, oslo.id);
    EXPECT_EQ(lines(), Lines("Oslo", "Norway"));
    reportTunnelStatus(*m_model, TunnelPhase::connected, std::nullopt, Uuid::random());
    EXPECT_EQ(lines(), Lines("Current VPN session", toQString(platformText().sessionManagedBy)));

    // Nothing selected, and the count follows the library.
    reportTunnelStatus(*m_model, TunnelPhase::unavailable);
    m_model->remove(m_library.profiles[0]);
    m_model->remove(m_library.profiles[1]);
    EXPECT_EQ(lines(), Lines("Choose your first location", "Add a location from your VPN service"));
    EXPECT_EQ(part<MetricCard>("locationsTile").value(), "0");
}

TEST_F(ConnectionViewTest, ButtonsLeadWhereThePhaseSays) {
    auto& primary = part<AccentButton>("primaryButton");
    QTest::mouseClick(&primary, Qt::LeftButton);
    settle();
    EXPECT_EQ(m_model->page(), AppPage::service);

    m_model->setPage(AppPage::connection);
    reportTunnelStatus(*m_model, TunnelPhase::unknown);
    settle();
    QTest::mouseClick(&primary, Qt::LeftButton);
    EXPECT_EQ(m_model->phase(), TunnelPhase::unknown) << "the refresh runs on a later turn";
    settle();
    EXPECT_EQ(m_model->phase(), TunnelPhase::unavailable);
    EXPECT_EQ(m_model->page(), AppPage::connection);

    // "Disconnect" changes nothing: no operation ends a connection.
    reportTunnelStatus(*m_model, TunnelPhase::connected, std::nullopt, m_library.profiles[0].id);
    settle();
    QTest::mouseClick(&primary, Qt::LeftButton);
    settle();
    EXPECT_EQ(m_model->phase(), TunnelPhase::connected);
    EXPECT_EQ(m_model->page(), AppPage::connection);

    QTest::mouseClick(&part<TextButton>("manageLocationsButton"), Qt::LeftButton);
    EXPECT_EQ(m_model->page(), AppPage::locations);
}

TEST_F(ConnectionViewTest, SessionTimerRunsOnlyWhileATimeIsShownAndSeen) {
    EXPECT_FALSE(sessionTimer().isActive()) << "nothing may wake the idle app";

    // Started 3,725.3 s ago: "1:02:05" for the next 0.7 s.
    const auto since = QDateTime::currentDateTimeUtc().addMSecs(-3'725'300);
    reportTunnelStatus(*m_model, TunnelPhase::connected, since, m_library.profiles[0].id);
    settle();
    EXPECT_EQ(shown().session, "1:02:05");
    EXPECT_EQ(tileHeights().size(), 1) << "the timer's face draws the value";
    EXPECT_TRUE(sessionTimer().isActive());
    // QTRY_* report to QTest, not to GoogleTest, so a wait that runs out must be asserted here.
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown().session == "1:02:06"; }, 2000)) << shown().session.toStdString();
    EXPECT_TRUE(sessionTimer().isActive()) << "the timer re-arms itself after each tick";

    m_model->setPage(AppPage::preferences);
    settle();
    EXPECT_FALSE(sessionTimer().isActive()) << "hidden page";
    m_model->setPage(AppPage::connection);
    settle();
    EXPECT_TRUE(sessionTimer().isActive());
    m_window->showMinimized();
    settle();
    EXPECT_FALSE(sessionTimer().isActive()) << "minimised window";
    m_window->showNormal();
    settle();
    EXPECT_TRUE(sessionTimer().isActive());
    m_window->hide();
    EXPECT_FALSE(sessionTimer().isActive()) << "window closed to the tray";
    m_window->show();
    settle();

    reportTunnelStatus(*m_model, TunnelPhase::unavailable);
    settle();
    EXPECT_EQ(shown().session, "\u2014");
    EXPECT_FALSE(sessionTimer().isActive());
}

TEST(ConnectionView, ElapsedText) {
    const std::pair<qint64, const char*> rows[] = {
        {-5, "0:00"},    {0, "0:00"},       {59, "0:59"},      {60, "1:00"},
        {3599, "59:59"}, {3600, "1:00:00"}, {3725, "1:02:05"}, {90061, "25:01:01"},
    };
    for (const auto& [seconds, text] : rows) {
        EXPECT_EQ(ConnectionView::elapsedText(seconds), text) << seconds;
    }
}
