#include "core/PlatformText.h"
#include "support/ModelFixture.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

class AppModelOperationsTest : public ModelFixture {
protected:
    // A model whose library holds two locations, the first selected.
    AppModel& startWithTwo() {
        writeDocument(libraryOf(2));
        return startModel();
    }
    const VPNProfile& first() const { return m_model->library().profiles[0]; }
    const VPNProfile& second() const { return m_model->library().profiles[1]; }
};

} // namespace

TEST_F(AppModelOperationsTest, EditingIsRefusedForEveryReason) {
    AppModel& model = startWithTwo();
    const ProfileLibrary before = model.library();
    const std::string bytes = readFile(document());

    for (const TunnelPhase phase : {TunnelPhase::connecting, TunnelPhase::connected, TunnelPhase::reconnecting,
                                    TunnelPhase::disconnecting, TunnelPhase::unknown}) {
        SCOPED_TRACE(rawValue(phase));
        reportTunnelStatus(model, phase);
        EXPECT_FALSE(model.canEdit());
        const VPNProfile target = second();
        model.favorite(target);
        model.select(target);
        model.setAllowLocalNetwork(true);
        model.setDisconnectOnSleep(false);
        model.remove(target);
        model.startRemove(target);
        QCoreApplication::processEvents();
        EXPECT_EQ(model.add("Rome", "Italy", "it.example.com", "it.example.com", "me", "pw").error(),
                  VPNFailure::storageUnavailable());
        EXPECT_EQ(model.library(), before);
        EXPECT_EQ(readFile(document()), bytes);
        EXPECT_TRUE(m_vault->calls.empty());
        EXPECT_FALSE(model.message());
    }
    // disconnected allows editing again, like unavailable.
    reportTunnelStatus(model, TunnelPhase::disconnected);
    EXPECT_TRUE(model.canEdit());

    // Busy: observed from inside a removal, where every other edit and a refresh are refused.
    whileBusy([&] { model.remove(second()); },
              [&] {
                  EXPECT_FALSE(model.canEdit());
                  model.refresh(); // ignored while busy
              });
    EXPECT_EQ(model.phase(), TunnelPhase::disconnected); // the refresh did not run
    EXPECT_FALSE(model.busy());
}

TEST_F(AppModelOperationsTest, FavoriteSelectAndPreferencesStoreBeforePublishing) {
    AppModel& model = startWithTwo();
    const VPNProfile target = second();
    model.favorite(target);
    EXPECT_TRUE(second().favorite);
    model.favorite(target); // the stale copy still finds the location by id
    EXPECT_FALSE(second().favorite);

    model.favorite(sampleProfile("Not in the library")); // nothing happens
    model.select(second());
    EXPECT_EQ(model.library().selectedID, second().id);
    model.setAllowLocalNetwork(true);
    model.setDisconnectOnSleep(false);
    EXPECT_EQ(model.library().settings, (VPNSettings{true, false}));
    EXPECT_EQ(ProfileRepository(document(), *m_vault).load(), model.library());
    EXPECT_FALSE(model.message());

    // A failed store leaves the library as it was and shows the failure's text.
    m_failWrites = true;
    const ProfileLibrary before = model.library();
    model.favorite(first());
    EXPECT_EQ(model.library(), before);
    EXPECT_EQ(model.message(), QString::fromUtf8(VPNFailure::storageUnavailable().description().data()));
}

TEST_F(AppModelOperationsTest, RemoveStoresTheDocumentThenDeletesThePassword) {
    AppModel& model = startWithTwo();
    const VPNProfile removed = first();
    const VPNProfile kept = second();
    model.startRemove(removed);
    EXPECT_EQ(model.library().profiles.size(), 2u); // not before a later turn of the loop
    QCoreApplication::processEvents();
    EXPECT_EQ(model.library().profiles, std::vector{kept});
    EXPECT_EQ(m_vault->calls, std::vector<std::string>{"remove " + removed.credentialID.string()});
    EXPECT_FALSE(model.message());

    // The document cannot be saved: nothing changes and the vault is not asked.
    m_vault->calls.clear();
    m_failWrites = true;
    model.remove(kept);
    EXPECT_EQ(model.library().profiles, std::vector{kept});
    EXPECT_EQ(model.message(), QString::fromUtf8(VPNFailure::storageUnavailable().description().data()));
    EXPECT_TRUE(m_vault->calls.empty());
    EXPECT_FALSE(model.busy());

    // The password cannot be deleted: the location stays removed, in memory and on disk.
    m_failWrites = false;
    m_vault->failRemove = true;
    model.remove(kept);
    EXPECT_TRUE(model.library().profiles.empty());
    EXPECT_EQ(ProfileRepository(document(), *m_vault).load(), model.library());
    const std::string_view leftBehind = platformText().credentialLeftBehind;
    EXPECT_EQ(model.message(), QString::fromUtf8(leftBehind.data(), static_cast<qsizetype>(leftBehind.size())));
    EXPECT_FALSE(model.busy());
}

TEST_F(AppModelOperationsTest, AddPassesFieldsAsTypedAndReturnsFailuresUnchanged) {
    AppModel& model = startModel();
    ASSERT_TRUE(
        model.add("  Z\xC3\xBCrich ", "Switzerland", " CH.Example.COM ", "id.example.com", " Me ", "p\xC3\xA9ss"));
    ASSERT_EQ(model.library().profiles.size(), 1u);
    const VPNProfile& stored = model.library().profiles[0];
    EXPECT_EQ(stored, (VPNProfile{stored.id, "Z\xC3\xBCrich", "Switzerland", "ch.example.com", "id.example.com", "Me",
                                  stored.credentialID, false}));
    EXPECT_EQ(m_vault->items.at(stored.credentialID), "p\xC3\xA9ss");

    // Failures come back as the repository reports them, and change nothing.
    const ProfileLibrary before = model.library();
    EXPECT_EQ(model.add("Bern", "Switzerland", "https://ch.example.com", "ch.example.com", "me", "pw").error(),
              VPNFailure::invalid(std::string(messages::server)));
    m_failWrites = true;
    EXPECT_EQ(model.add("Bern", "Switzerland", "ch.example.com", "ch.example.com", "me", "pw").error(),
              VPNFailure::storageUnavailable());
    EXPECT_EQ(model.library(), before);
    EXPECT_FALSE(model.message()); // add reports to its caller, never through message
}

TEST_F(AppModelOperationsTest, ActiveProfileFollowsTheTunnelNotTheSelection) {
    AppModel& model = startWithTwo();
    EXPECT_FALSE(model.activeProfile()); // the first is selected, but nothing is active
    reportTunnelStatus(model, TunnelPhase::connected, QDateTime::currentDateTimeUtc(), second().id);
    EXPECT_EQ(model.activeProfile(), second());
    reportTunnelStatus(model, TunnelPhase::connected, std::nullopt, Uuid::random());
    EXPECT_FALSE(model.activeProfile());
}
