#pragma once

#include "core/CredentialVault.h"

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vantorel::testing {

// A secret store in memory that holds every call until the test answers it, as a store waiting for
// its user would; it never gives up by itself. Its items may outlive it (a program killed and
// started again meets the same store).
class FakeVault final : public CredentialVault {
public:
    using Items = std::map<Uuid, std::string>;

    struct Call {
        bool insert;
        Uuid id;
        std::string password;
        std::stop_token stop;
        Done done;
    };

    explicit FakeVault(std::shared_ptr<Items> items = std::make_shared<Items>()) : m_items(std::move(items)) {}

    void insert(std::string_view password, const Uuid& id, std::stop_token stop, Done done) override {
        log.push_back("insert " + id.string());
        held.push_back(Call{true, id, std::string(password), std::move(stop), std::move(done)});
    }

    void remove(const Uuid& id, std::stop_token stop, Done done) override {
        log.push_back("remove " + id.string());
        held.push_back(Call{false, id, {}, std::move(stop), std::move(done)});
    }

    // Answers held call `index` as a working store does. An insert the caller stopped is carried out
    // all the same, as a store that already had it does; a removal stopped gives up.
    void answer(std::size_t index = 0) {
        Call call = take(index);
        if (call.insert) {
            if (failInsert || m_items->contains(call.id)) {
                return call.done(std::unexpected(VPNFailure::credentialsUnavailable()));
            }
            m_items->emplace(call.id, call.password);
        } else {
            if (failRemove || call.stop.stop_requested()) {
                return call.done(std::unexpected(VPNFailure::credentialsUnavailable()));
            }
            m_items->erase(call.id);
        }
        call.done({});
    }

    // Answers held call `index` with a failure, having done nothing.
    void refuse(std::size_t index = 0) { take(index).done(std::unexpected(VPNFailure::credentialsUnavailable())); }

    // Answers every held call, and the calls those answers lead to, oldest first.
    void answerAll() {
        while (!held.empty()) {
            answer();
        }
    }

    // The ids of the items it keeps.
    static std::set<Uuid> ids(const Items& items) {
        std::set<Uuid> out;
        for (const auto& [id, password] : items) {
            out.insert(id);
        }
        return out;
    }

    std::vector<Call> held;
    std::vector<std::string> log; // "insert <id>" and "remove <id>", in the order the calls came
    bool failInsert = false;
    bool failRemove = false;

private:
    Call take(std::size_t index) {
        Call call = std::move(held.at(index));
        held.erase(held.begin() + static_cast<std::ptrdiff_t>(index));
        return call;
    }

    std::shared_ptr<Items> m_items;
};

} // namespace vantorel::testing
