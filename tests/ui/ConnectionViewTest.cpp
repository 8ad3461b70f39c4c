#include "ui/pages/ConnectionView.h"

#include "support/WindowFixture.h"
#include "ui/components/AccentButton.h"
#include "ui/components/IconLabel.h"
#include "ui/components/MetricCard.h"
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

class ConnectionViewTest : public WindowFixture {
protected:
    void SetUp() override {
        m_library.profiles = {sampleProfile("London"), sampleProfile("Oslo")};
        m_library.profiles[1].country = "Norway";
        m_library.selectedID = m_library.profiles[0].id;
        writeDocument(m_library);
        startWindow();
    }
    QString text(const char* name) const { return part<TextLabel>(name).text(); }
    QString session() const { return part<MetricCard>("sessionTile").value(); }
    QTimer& sessionTimer() const { return part<QTimer>("sessionTimer"); }
    AccentButton& button() const { return part<AccentButton>("primaryButton"); }
    bool spinning() const {
        const auto* spinner = button().findChild<Spinner*>();
        return spinner != nullptr && spinner->isVisibleTo(&button());
    }
    // Whether the row of figures lines up: its tiles are of one height.
    bool tilesLineUp() const {
        QSet<int> heights;
        for (const auto* tile : content().findChildren<MetricCard*>()) {
            heights << tile->height();
        }
        return heights.size() == 1;
    }

    ProfileLibrary m_library;
};

} // namespace

// The page and the window's top bar both follow the phase. Only a confirmed connection lights
// them up, though "connecting" already offers to disconnect.
TEST_F(ConnectionViewTest, FollowsThePhase) {
    // Phases of one group share the primary button's caption.
    const std::pair<TunnelPhase, int> rows[] = {
        {TunnelPhase::unavailable, 0}, {TunnelPhase::disconnected, 0}, {TunnelPhase::connecting, 1},
        {TunnelPhase::connected, 1},   {TunnelPhase::reconnecting, 1}, {TunnelPhase::disconnecting, 1},
        {TunnelPhase::unknown, 2},
    };
    // What is shown, and beside it which phases must show the same: those whose keys agree.
    const auto shown = [&] {
        const auto& badge = part<SymbolLabel>("statusSymbol");
        return QStringList{text("statusTitle"),
                           text("statusDetail"),
                           button().text(),
                           button().symbol(),
                           session(),
                           part<MetricCard>("sessionTile").detail(),
                           part<IconLabel>("statusLabel").text(),
                           badge.symbol(),
                           badge.color().name(QColor::HexArgb),
                           content().findChild<StatusDot*>()->color().name(QColor::HexArgb)};
    };
    const auto keys = [](TunnelPhase phase, int caption) {
        const int lit = phase == TunnelPhase::connected;
        return std::vector<int>{int(phase), int(phase), caption, isActive(phase), 0, lit, lit, lit, lit, lit};
    };
    const auto* const title = &part<TextLabel>("statusTitle");
    std::vector<QStringList> seen;
    for (const auto& [phase, caption] : rows) {
        SCOPED_TRACE(rawValue(phase));
        reportTunnelStatus(*m_model, phase);
        settle();
        seen.push_back(shown());
        EXPECT_FALSE(seen.back()[0].isEmpty() || seen.back()[1].isEmpty());
        EXPECT_EQ(seen.back()[0], text("phaseTitle"));
        EXPECT_FALSE(spinning());
        EXPECT_EQ(button().isEnabled(), phase != TunnelPhase::disconnecting);
        EXPECT_TRUE(tilesLineUp());
        // Busy: the spinner stands in for the symbol and the button cannot be pressed.
        whileBusy([&] { m_model->refresh(); },
                  [&] {
                      content().findChild<ConnectionView*>()->refresh();
                      EXPECT_EQ(button().text(), seen.back()[2]);
                      EXPECT_TRUE(spinning());
                      EXPECT_FALSE(button().isEnabled());
                  });
    }
    EXPECT_EQ(&part<TextLabel>("statusTitle"), title) << "built once, changed in place";
    for (std::size_t a = 0; a < seen.size(); ++a) {
        for (std::size_t b = 0; b < a; ++b) {
            for (qsizetype i = 0; i < seen[a].size(); ++i) {
                EXPECT_EQ(seen[a][i] == seen[b][i], keys(rows[a].first, rows[a].second)[std::size_t(i)] ==
                                                        keys(rows[b].first, rows[b].second)[std::size_t(i)])
                    << rawValue(rows[a].first) << " and " << rawValue(rows[b].first) << " show "
                    << seen[a][i].toStdString() << " and " << seen[b][i].toStdString();
            }
        }
    }
}

TEST_F(ConnectionViewTest, BottomRowNamesTheActiveLocationElseTheSelection) {
    const VPNProfile& london = m_library.profiles[0];
    const VPNProfile& oslo = m_library.profiles[1];
    const auto lines = [&] {
        settle();
        return QStringList{text("locationName"), text("locationDetail")};
    };
    const auto of = [](const VPNProfile& profile) {
        return QStringList{profile.name.c_str(), profile.country.c_str()};
    };
    // Not active: the selection, even when the tunnel names another location.
    reportTunnelStatus(*m_model, TunnelPhase::disconnected, std::nullopt, oslo.id);
    EXPECT_EQ(lines(), of(london));
    // Active: the tunnel's location, never the selection.
    reportTunnelStatus(*m_model, TunnelPhase::connecting, std::nullopt, oslo.id);
    EXPECT_EQ(lines(), of(oslo));
    reportTunnelStatus(*m_model, TunnelPhase::connected, std::nullopt, Uuid::random());
    const QStringList unknownSession = lines();
    EXPECT_NE(unknownSession[0], of(london)[0]);
    EXPECT_FALSE(unknownSession.contains(QString()));

    // Nothing selected, and the count follows the library.
    reportTunnelStatus(*m_model, TunnelPhase::unavailable);
    m_model->remove(london);
    m_vault->answerAll();
    m_model->remove(oslo);
    m_vault->answerAll();
    EXPECT_NE(lines(), unknownSession);
    EXPECT_FALSE(lines().contains(QString()));
    EXPECT_EQ(part<MetricCard>("locationsTile").value(), "0");
}

TEST_F(ConnectionViewTest, ButtonsLeadWhereThePhaseSays) {
    QTest::mouseClick(&button(), Qt::LeftButton);
    settle();
    EXPECT_EQ(m_model->page(), AppPage::service);

    m_model->setPage(AppPage::connection);
    reportTunnelStatus(*m_model, TunnelPhase::unknown);
    settle();
    QTest::mouseClick(&button(), Qt::LeftButton);
    settle();
    EXPECT_EQ(m_model->phase(), TunnelPhase::unavailable) << "refreshed";
    EXPECT_EQ(m_model->page(), AppPage::connection);

    QTest::mouseClick(&part<TextButton>("manageLocationsButton"), Qt::LeftButton);
    EXPECT_EQ(m_model->page(), AppPage::locations);
}

TEST_F(ConnectionViewTest, SessionTimerRunsOnlyWhileATimeIsShownAndSeen) {
    EXPECT_FALSE(sessionTimer().isActive()) << "nothing may wake the idle app";
    const QString noTime = session();

    // Started 3,725.3 s ago: "1:02:05" for the next 0.7 s.
    const auto since = QDateTime::currentDateTimeUtc().addMSecs(-3'725'300);
    reportTunnelStatus(*m_model, TunnelPhase::connected, since, m_library.profiles[0].id);
    settle();
    EXPECT_EQ(session(), "1:02:05");
    EXPECT_TRUE(tilesLineUp()) << "the timer's face draws the value";
    EXPECT_TRUE(sessionTimer().isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return session() == "1:02:06"; }, 2000)) << session().toStdString();
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
    EXPECT_EQ(session(), noTime);
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
