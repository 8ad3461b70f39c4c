#include "core/CredentialJournal.h"
#include "core/PlatformText.h"
#include "support/ModelFixture.h"

#include <QTest>
#include <QTimer>

using namespace vantorel;
using namespace vantorel::testing;
using namespace std::chrono_literals;

namespace {

QString text(std::string_view sentence) {
    return QString::fromUtf8(sentence.data(), static_cast<qsizetype>(sentence.size()));
}

const QString storageText = text(VPNFailure::storageUnavailable().description());
const QString leftBehindText = text(platformText().credentialLeftBehind);

class AppModelOperationsTest : public ModelFixture {
protected:
    // A model whose library holds two locations, the first selected, each with its password stored.
    AppModel& startWithTwo() {
        const ProfileLibrary two = libraryOf(2);
        writeDocument(two);
        for (const auto& profile : two.profiles) {
            m_items->emplace(profile.credentialID, "pw");
        }
        return startModel();
    }
    const VPNProfile& first() const { return m_model->library().profiles[0]; }
    const VPNProfile& second() const { return m_model->library().profiles[1]; }

    void addRome() { m_model->add("Rome", "Italy", "it.example.com", "it.example.com", "me", "pw"); }
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
        addRome();
        EXPECT_EQ(model.addFailure(), storageText);
        EXPECT_FALSE(model.busy());
        EXPECT_EQ(model.library(), before);
        EXPECT_EQ(readFile(document()), bytes);
        EXPECT_TRUE(m_vault->log.empty());
        EXPECT_FALSE(model.message());
    }
    // disconnected allows editing again, like unavailable.
    reportTunnelStatus(model, TunnelPhase::disconnected);
    EXPECT_TRUE(model.canEdit());

    // Busy from the start of a removal to its end: every other edit and a refresh are refused.
    model.remove(second());
    EXPECT_TRUE(model.busy());
    EXPECT_FALSE(model.canEdit());
    model.refresh();
    addRome();
    EXPECT_EQ(model.addFailure(), storageText);
    m_vault->answerAll();
    EXPECT_EQ(model.phase(), TunnelPhase::disconnected); // the refresh did not run
    EXPECT_FALSE(model.busy());
    EXPECT_EQ(model.library().profiles.size(), 1u);
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
    EXPECT_EQ(stored(), model.library());
    EXPECT_FALSE(model.message());

    // A failed store leaves the library as it was and shows the failure's text.
    m_failWrites = true;
    const ProfileLibrary before = model.library();
    model.favorite(first());
    EXPECT_EQ(model.library(), before);
    EXPECT_EQ(model.message(), storageText);
}

TEST_F(AppModelOperationsTest, RemoveStoresTheDocumentThenDeletesThePassword) {
    AppModel& model = startWithTwo();
    const VPNProfile removed = first();
    const VPNProfile kept = second();
    model.remove(removed);
    EXPECT_EQ(model.library().profiles, std::vector{kept}); // on disk before the store is asked
    EXPECT_EQ(stored(), model.library());
    EXPECT_EQ(m_vault->log, std::vector<std::string>{"remove " + removed.credentialID.string()});
    EXPECT_TRUE(model.busy());
    m_vault->answer();
    EXPECT_FALSE(model.busy());
    EXPECT_FALSE(model.message());
    EXPECT_EQ(itemIds(), namedIds());

    // The document cannot be saved: nothing changes and the vault is not asked.
    m_vault->log.clear();
    m_failWrites = true;
    model.remove(kept);
    EXPECT_EQ(model.library().profiles, std::vector{kept});
    EXPECT_EQ(model.message(), storageText);
    EXPECT_TRUE(m_vault->log.empty());
    EXPECT_FALSE(model.busy());

    // The password cannot be deleted, or the person stops waiting for it: the location stays
    // removed, in memory and on disk, and the message says what is left behind.
    for (const bool givenUp : {false, true}) {
        SCOPED_TRACE(givenUp ? "given up" : "refused");
        model.setMessage(std::nullopt);
        m_failWrites = false;
        addRome();
        m_vault->answerAll();
        m_vault->failRemove = !givenUp;
        model.remove(model.library().profiles.back());
        if (givenUp) {
            model.giveUp();
        }
        m_vault->answerAll();
        EXPECT_EQ(model.library().profiles, std::vector{kept});
        EXPECT_EQ(stored(), model.library());
        EXPECT_EQ(model.message(), leftBehindText);
        EXPECT_FALSE(model.busy());
        m_vault->failRemove = false;
    }
}

TEST_F(AppModelOperationsTest, AddPassesFieldsAsTypedAndReportsFailuresUnchanged) {
    AppModel& model = startModel();
    model.setShowingAdd(true);
    model.add("  Z\xC3\xBCrich ", "Switzerland", " CH.Example.COM ", "id.example.com", " Me ", "p\xC3\xA9ss");
    EXPECT_TRUE(model.busy());
    EXPECT_EQ(model.operation(), AppModel::Operation::adding);
    EXPECT_TRUE(model.library().profiles.empty()) << "published once stored";
    m_vault->answer();
    EXPECT_FALSE(model.busy());
    EXPECT_FALSE(model.showingAdd()) << "the sheet closes on success";
    EXPECT_FALSE(model.addFailure());
    ASSERT_EQ(model.library().profiles.size(), 1u);
    const VPNProfile& added = model.library().profiles[0];
    EXPECT_EQ(added, (VPNProfile{added.id, "Z\xC3\xBCrich", "Switzerland", "ch.example.com", "id.example.com", "Me",
                                 added.credentialID, false}));
    EXPECT_EQ(m_items->at(added.credentialID), "p\xC3\xA9ss");

    // Failures come back as the repository reports them, and change nothing.
    const ProfileLibrary before = model.library();
    model.setShowingAdd(true);
    m_failWrites = true;
    model.add("Bern", "Switzerland", "ch.example.com", "ch.example.com", "me", "pw");
    m_vault->answerAll();
    EXPECT_EQ(model.addFailure(), storageText);
    EXPECT_EQ(model.library(), before);
    EXPECT_TRUE(model.showingAdd());
    EXPECT_FALSE(model.message()); // add reports to its sheet, never through message
    EXPECT_EQ(itemIds(), namedIds());
}

// A store that does not answer within a moment is shown as waiting; one that never answers is given
// up at the deadline, as a refusal, and the password the store keeps after all is deleted.
TEST_F(AppModelOperationsTest, AStoreThatDoesNotAnswerIsWaitedForThenGivenUp) {
    AppModel& model = startModel();
    auto* deadline = model.findChild<QTimer*>(QStringLiteral("secretStoreDeadline"));
    ASSERT_NE(deadline, nullptr);
    deadline->setInterval(600ms);
    addRome();
    EXPECT_FALSE(model.waitingForSecretStore());
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.waitingForSecretStore(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.busy(); }));
    EXPECT_EQ(model.addFailure(), text(VPNFailure::credentialsUnavailable().description()));
    EXPECT_FALSE(model.waitingForSecretStore());
    m_vault->answerAll(); // carried out after all
    EXPECT_TRUE(m_items->empty());
    EXPECT_TRUE(model.library().profiles.empty());
}

// A provider's file handed over during an add or a removal (a second start) is neither dropped nor
// taken for a storage failure: it opens once the operation is over.
TEST_F(AppModelOperationsTest, AFileArrivingDuringAnOperationOpensAfterIt) {
    AppModel& model = startWithTwo();
    const auto file = m_temp.path() / "provider.sswan";
    writeFile(file, readFile(VANTOREL_PROFILE_CORPUS "/sswan-eap-with-remote-id.sswan"));
    model.remove(second());
    model.importFile(QString::fromStdString(file.string()));
    QTest::qWait(300);
    EXPECT_FALSE(model.message());
    EXPECT_FALSE(model.hasImport());
    m_vault->answerAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.hasImport(); }));
    EXPECT_TRUE(model.showingAdd());
    EXPECT_FALSE(model.message());
}

// Quitting gives the operation up and waits for the secret store's answers (what the store carries
// out meanwhile is taken back, as the shell's quitting test sees), at most the time given: with
// nothing out, done on the next turn; held for good, done when the patience runs out.
TEST_F(AppModelOperationsTest, ShuttingDownGivesUpAndWaitsForTheStoreAWhile) {
    for (const bool held : {false, true}) {
        startModel();
        bool done = false;
        if (held) {
            addRome();
        }
        const auto started = std::chrono::steady_clock::now();
        m_model->shutDown([&] { done = true; }, 300ms);
        EXPECT_FALSE(done);
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }));
        EXPECT_EQ(std::chrono::steady_clock::now() - started >= 300ms, held);
    }
}

TEST_F(AppModelOperationsTest, ActiveProfileFollowsTheTunnelNotTheSelection) {
    AppModel& model = startWithTwo();
    EXPECT_FALSE(model.activeProfile()); // the first is selected, but nothing is active
    reportTunnelStatus(model, TunnelPhase::connected, QDateTime::currentDateTimeUtc(), second().id);
    EXPECT_EQ(model.activeProfile(), second());
    reportTunnelStatus(model, TunnelPhase::connected, std::nullopt, Uuid::random());
    EXPECT_FALSE(model.activeProfile());
}
