#pragma once

#include "core/CredentialVault.h"
#include "core/ProfileLibrary.h"

#include <string>

namespace vantorel {

// The largest library the program accepts, 200 locations, or the first `count` of them: a third of
// them favourites, the first one selected.
inline ProfileLibrary fullLibrary(int count = 200) {
    ProfileLibrary library;
    for (int i = 0; i < count; ++i) {
        library.profiles.push_back(VPNProfile{Uuid::random(), "Location " + std::to_string(i), "Netherlands",
                                              "nl" + std::to_string(i) + ".vpn.example.com", "vpn.example.com",
                                              "customer-0042", Uuid::random(), i % 3 == 0});
    }
    library.selectedID = library.profiles.front().id;
    return library;
}

// A secret store that is never asked, so a benchmark measures only what it names.
class NoVault final : public CredentialVault {
public:
    void insert(std::string_view, const Uuid&, std::stop_token, Done) override {}
    void remove(const Uuid&, std::stop_token, Done) override {}
};

} // namespace vantorel
