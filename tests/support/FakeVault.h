#pragma once

#include "core/CredentialVault.h"

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace vantorel::testing {

// An in-memory vault that records its calls and can be told to fail, or to hold an insert until
// released, as a secret store waiting for its user would.
class FakeVault final : public CredentialVault {
public:
    std::expected<void, VPNFailure> insert(std::string_view password, const Uuid& id) override {
        calls.push_back("insert " + id.string());
        if (holdInsert && patience() != nullptr) {
            patience()->waitingBegan();
            bool givenUp = false;
            // As the real vault's deadline would, a hold that is never released ends after a while.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!released && !givenUp) {
                givenUp = !patience()->keepWaiting(std::chrono::milliseconds(20)) ||
                          std::chrono::steady_clock::now() > deadline;
            }
            patience()->waitingEnded();
            if (givenUp) {
                return std::unexpected(VPNFailure::credentialsUnavailable());
            }
        }
        if (failInsert || items.contains(id)) {
            return std::unexpected(VPNFailure::credentialsUnavailable());
        }
        items.emplace(id, std::string(password));
        return {};
    }

    std::expected<void, VPNFailure> remove(const Uuid& id) override {
        calls.push_back("remove " + id.string());
        if (failRemove) {
            return std::unexpected(VPNFailure::credentialsUnavailable());
        }
        items.erase(id);
        return {};
    }

    std::map<Uuid, std::string> items;
    std::vector<std::string> calls;
    bool failInsert = false;
    bool holdInsert = false;
    bool released = false;
    bool failRemove = false;
};

} // namespace vantorel::testing
