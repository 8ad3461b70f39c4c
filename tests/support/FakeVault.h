#pragma once

#include "core/CredentialVault.h"

#include <map>
#include <string>
#include <vector>

namespace vantorel::testing {

// An in-memory vault that records its calls and can be told to fail.
class FakeVault final : public CredentialVault {
public:
    std::expected<void, VPNFailure> insert(std::string_view password, const Uuid& id) override {
        calls.push_back("insert " + id.string());
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
    bool failRemove = false;
};

} // namespace vantorel::testing
