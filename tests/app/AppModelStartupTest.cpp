#include "support/ModelFixture.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

const QString storageText = "Your saved locations could not be read or saved. Existing data has been preserved.";

class AppModelStartupTest : public ModelFixture {};

} // namespace

TEST_F(AppModelStartupTest, NoDocumentStartsEmptyAndHealthy) {
    AppModel& model = startModel();
    EXPECT_EQ(model.library(), ProfileLibrary{});
    EXPECT_TRUE(model.storageHealthy());
    EXPECT_FALSE(model.message());
    EXPECT_FALSE(model.showingAdd());
    EXPECT_TRUE(model.canEdit());
    EXPECT_FALSE(std::filesystem::exists(document().parent_path())); // start-up writes nothing
}

TEST_F(AppModelStartupTest, LoadsTheStoredLibrary) {
    ProfileLibrary stored;
    stored.profiles = {sampleProfile("London"), sampleProfile("Paris")};
    stored.selectedID = stored.profiles[1].id;
    stored.settings.allowLocalNetwork = true;
    writeDocument(stored);
    EXPECT_EQ(startModel().library(), stored);
}

TEST_F(AppModelStartupTest, UnreadableDocumentLeavesStorageUnhealthyAndTheFileUntouched) {
    std::filesystem::create_directories(document().parent_path());
    const std::string corrupt = R"({"profiles":[{"name":"half a document")";
    writeFile(document(), corrupt);
    AppModel& model = startModel();
    EXPECT_FALSE(model.storageHealthy());
    EXPECT_EQ(model.message(), storageText);
    EXPECT_EQ(model.library(), ProfileLibrary{});
    EXPECT_FALSE(model.canEdit());

    // Nothing can be stored over it: every operation is refused.
    EXPECT_EQ(model.add("London", "UK", "vpn.example.com", "vpn.example.com", "me", "pw").error(),
              VPNFailure::storageUnavailable());
    model.setAllowLocalNetwork(true);
    model.remove(sampleProfile());
    QCoreApplication::processEvents();
    EXPECT_EQ(readFile(document()), corrupt);
    EXPECT_TRUE(m_vault->calls.empty());
}

TEST_F(AppModelStartupTest, NoDataFolderMeansNothingIsEverWritten) {
    AppModel model(std::make_unique<FakeVault>(), std::nullopt);
    EXPECT_FALSE(model.storageHealthy());
    EXPECT_EQ(model.message(), storageText);
    EXPECT_FALSE(model.canEdit());
    EXPECT_FALSE(model.add("London", "UK", "vpn.example.com", "vpn.example.com", "me", "pw"));
}

TEST_F(AppModelStartupTest, FirstRefreshRunsOnALaterTurn) {
    auto vault = std::make_unique<FakeVault>();
    AppModel model(std::move(vault), document());
    int announcements = 0;
    QObject::connect(&model, &AppModel::willChange, [&] { ++announcements; });
    // Before the event loop turns nothing has been reported.
    EXPECT_EQ(model.phase(), TunnelPhase::unavailable);
    EXPECT_FALSE(model.busy());
    EXPECT_FALSE(model.connectedAt());
    EXPECT_FALSE(model.activeID());
    EXPECT_EQ(announcements, 0);

    // Whatever the tunnel said before, the refresh reports unavailable, none, none.
    reportTunnelStatus(model, TunnelPhase::connected, QDateTime::currentDateTimeUtc(), Uuid::random());
    EXPECT_EQ(model.phase(), TunnelPhase::connected);
    announcements = 0;
    QCoreApplication::processEvents();
    EXPECT_EQ(model.phase(), TunnelPhase::unavailable);
    EXPECT_FALSE(model.connectedAt());
    EXPECT_FALSE(model.activeID());
    EXPECT_FALSE(model.busy());
    EXPECT_EQ(announcements, 5); // busy, phase, connectedAt, activeID, busy
}

TEST_F(AppModelStartupTest, EveryPublishedWriteAnnouncesOnceBeforeTheValueChanges) {
    AppModel& model = startModel();
    std::vector<QString> seenQueries;
    int announcements = 0;
    // A direct connection runs inside the write, so it must still see the old value.
    QObject::connect(&model, &AppModel::willChange, [&] {
        ++announcements;
        seenQueries.push_back(model.query());
    });

    model.setQuery("par");
    EXPECT_EQ(seenQueries, std::vector<QString>{""});
    model.setQuery("par"); // an equal value still announces
    EXPECT_EQ(announcements, 2);

    const auto announcementsOf = [&](const std::function<void()>& write) {
        announcements = 0;
        write();
        return announcements;
    };
    EXPECT_EQ(announcementsOf([&] { model.setPage(AppPage::locations); }), 1);
    EXPECT_EQ(announcementsOf([&] { model.setMessage(QString("hello")); }), 1);
    EXPECT_EQ(announcementsOf([&] { model.setMessage(std::nullopt); }), 1);
    EXPECT_EQ(announcementsOf([&] { model.setShowingAdd(true); }), 1);
    EXPECT_EQ(announcementsOf([&] { model.setFavoritesOnly(true); }), 1);
    EXPECT_EQ(announcementsOf([&] { model.setDisconnectOnSleep(true); }), 1); // one store, one write of library
}

TEST_F(AppModelStartupTest, QueuedRefreshIsDroppedWithTheModel) {
    auto vault = std::make_unique<FakeVault>();
    auto model = std::make_unique<AppModel>(std::move(vault), document());
    model.reset(); // its queued first refresh must go with it, not run on a dead object
    QCoreApplication::processEvents();
    SUCCEED();
}
