#pragma once

#include "app/AppModel.h"
#include "app/TunnelStates.h"
#include "core/AtomicFile.h"
#include "core/LibraryDocument.h"
#include "core/ProfileRepository.h"
#include "support/FakeVault.h"
#include "support/TempDir.h"
#include "support/TestProfiles.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace vantorel {

namespace testing {

// A model on a real document in a temporary folder, with a fake vault that holds each call until the
// test answers it, and a writer that can fail.
class ModelFixture : public ::testing::Test {
protected:
    std::filesystem::path document() const { return m_temp.path() / "Vantorel" / "locations-v1.json"; }

    void writeDocument(const ProfileLibrary& library) {
        std::filesystem::create_directories(document().parent_path());
        writeFile(document(), LibraryDocument::encode(library));
    }

    // What the document on disk holds now.
    ProfileLibrary stored() const { return LibraryDocument::decode(readFile(document())).value(); }

    // Builds the model, on a fake vault unless given another, and lets its first refresh run. The
    // fake vault's items outlive the model, as a real store's outlive the program.
    AppModel& startModel(std::unique_ptr<CredentialVault> vault = nullptr) {
        m_model.reset();
        if (vault == nullptr) {
            vault = std::make_unique<FakeVault>(m_items);
            m_vault = static_cast<FakeVault*>(vault.get());
        }
        m_model = std::make_unique<AppModel>(
            std::move(vault), document(),
            [this](std::string_view bytes, const std::filesystem::path& to) {
                if (to == document() && m_failWrites) {
                    return std::expected<void, VPNFailure>(std::unexpected(VPNFailure::storageUnavailable()));
                }
                return writeFileAtomically(bytes, to);
            },
            VANTOREL_IMPORT_HELPER);
        QCoreApplication::processEvents();
        return *m_model;
    }

    // Runs `look` from inside `operation`, at the first change the model announces while busy:
    // `busy` holds only inside one of its operations.
    void whileBusy(const std::function<void()>& operation, const std::function<void()>& look) {
        bool looked = false;
        const auto hook = QObject::connect(m_model.get(), &AppModel::willChange, [&] {
            if (m_model->busy() && !std::exchange(looked, true)) {
                look();
            }
        });
        operation();
        QObject::disconnect(hook);
        EXPECT_TRUE(looked) << "the operation never made the model busy";
    }

    static std::vector<std::string> names(const std::vector<VPNProfile>& profiles) {
        std::vector<std::string> out;
        std::ranges::transform(profiles, std::back_inserter(out), &VPNProfile::name);
        return out;
    }

    // The credential ids of the fake vault's items, and of the locations the document names.
    std::set<Uuid> itemIds() const { return FakeVault::ids(*m_items); }
    std::set<Uuid> namedIds() const {
        return std::filesystem::exists(document()) ? credentialIDs(stored()) : std::set<Uuid>();
    }

    TempDir m_temp;
    std::shared_ptr<FakeVault::Items> m_items = std::make_shared<FakeVault::Items>();
    FakeVault* m_vault = nullptr;
    bool m_failWrites = false;
    std::unique_ptr<AppModel> m_model;
};

} // namespace testing
} // namespace vantorel
