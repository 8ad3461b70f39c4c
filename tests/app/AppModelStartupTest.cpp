#include "support/ModelFixture.h"

using namespace vantorel;
using namespace vantorel::testing;

using AppModelStartupTest = ModelFixture;

TEST_F(AppModelStartupTest, StartsFromTheStoredLibraryAndWritesNothing) {
    AppModel& fresh = startModel();
    EXPECT_EQ(fresh.library(), ProfileLibrary{});
    EXPECT_TRUE(fresh.storageHealthy());
    EXPECT_TRUE(fresh.canEdit());
    EXPECT_FALSE(fresh.message());
    EXPECT_FALSE(std::filesystem::exists(document().parent_path()));

    const ProfileLibrary stored = libraryOf(2);
    writeDocument(stored);
    EXPECT_EQ(startModel().library(), stored);
}

// A document that cannot be read, or no data folder at all: the user is told, and editing stays
// off, so nothing is ever stored over what is on disk. That every operation honours canEdit is
// the operations test's concern.
TEST_F(AppModelStartupTest, UnusableStorageLocksEditingAndLeavesTheFileAlone) {
    std::filesystem::create_directories(document().parent_path());
    const std::string corrupt = R"({"profiles":[{"name":"half a document")";
    writeFile(document(), corrupt);
    AppModel& unreadable = startModel();
    AppModel noDataFolder(std::make_unique<FakeVault>(), std::nullopt);
    for (AppModel* model : {&unreadable, &noDataFolder}) {
        EXPECT_FALSE(model->storageHealthy());
        EXPECT_EQ(model->message(), QString::fromUtf8(VPNFailure::storageUnavailable().description().data()));
        EXPECT_FALSE(model->canEdit());
        EXPECT_EQ(model->library(), ProfileLibrary{});
    }
    EXPECT_EQ(readFile(document()), corrupt);
}

// The tunnel is asked for its status on a later turn of the event loop, not while the window
// opens; a model gone by then takes its queued request with it (ASan reports it otherwise).
TEST_F(AppModelStartupTest, FirstRefreshRunsOnALaterTurn) {
    AppModel model(std::make_unique<FakeVault>(), document());
    { AppModel gone(std::make_unique<FakeVault>(), document()); }
    // Whatever the tunnel said before, the refresh reports unavailable, none, none.
    reportTunnelStatus(model, TunnelPhase::connected, QDateTime::currentDateTimeUtc(), Uuid::random());
    QCoreApplication::processEvents();
    EXPECT_EQ(model.phase(), TunnelPhase::unavailable);
    EXPECT_FALSE(model.connectedAt());
    EXPECT_FALSE(model.activeID());
    EXPECT_FALSE(model.busy());
}

TEST_F(AppModelStartupTest, EveryPublishedWriteAnnouncesOnceBeforeTheValueChanges) {
    AppModel& model = startModel();
    QStringList seenQueries;
    // A direct connection runs inside the write, so it must still see the old value.
    QObject::connect(&model, &AppModel::willChange, [&] { seenQueries << model.query(); });
    const auto announcesOnce = [&](const std::function<void()>& write) {
        const auto before = seenQueries.size();
        write();
        return seenQueries.size() == before + 1;
    };
    EXPECT_TRUE(announcesOnce([&] { model.setQuery("par"); }));
    EXPECT_TRUE(announcesOnce([&] { model.setQuery("par"); })) << "an equal value still announces";
    EXPECT_TRUE(announcesOnce([&] { model.setPage(AppPage::locations); }));
    EXPECT_TRUE(announcesOnce([&] { model.setMessage(QString("hello")); }));
    EXPECT_TRUE(announcesOnce([&] { model.setMessage(std::nullopt); }));
    EXPECT_TRUE(announcesOnce([&] { model.setShowingAdd(true); }));
    EXPECT_TRUE(announcesOnce([&] { model.setFavoritesOnly(true); }));
    EXPECT_TRUE(announcesOnce([&] { model.setDisconnectOnSleep(true); })) << "one store, one write of the library";
    EXPECT_EQ(seenQueries.front(), "");
}
