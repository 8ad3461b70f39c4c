#pragma once

#include "core/ProfileLibrary.h"
#include "core/VPNProfile.h"

#include <ostream>
#include <set>
#include <string>

namespace vantorel {

// Readable failure output for GoogleTest.
inline void PrintTo(const VPNProfile& profile, std::ostream* out) {
    *out << "{" << profile.id.string() << " \"" << profile.name << "\" " << profile.country << " " << profile.server
         << (profile.favorite ? " *" : "") << "}";
}
inline void PrintTo(const Uuid& id, std::ostream* out) {
    *out << id.string();
}

} // namespace vantorel

namespace vantorel::testing {

// A valid, already normalised location; tests change one field at a time.
inline VPNProfile sampleProfile(std::string name = "London") {
    return VPNProfile{Uuid::random(),        std::move(name), "United Kingdom", "uk.provider.example",
                      "uk.provider.example", "customer-0042", Uuid::random(),   false};
}

// `count` valid locations named "Location 0", "Location 1", ..., the first selected, and a
// preference that is not the default, so that a test sees settings and selection travel too.
inline ProfileLibrary libraryOf(std::size_t count) {
    ProfileLibrary library;
    for (std::size_t i = 0; i < count; ++i) {
        library.profiles.push_back(sampleProfile("Location " + std::to_string(i)));
    }
    if (count > 0) {
        library.selectedID = library.profiles.front().id;
    }
    library.settings.disconnectOnSleep = true;
    return library;
}

// The credential ids of `library`'s locations.
inline std::set<Uuid> credentialIDs(const ProfileLibrary& library) {
    std::set<Uuid> ids;
    for (const auto& profile : library.profiles) {
        ids.insert(profile.credentialID);
    }
    return ids;
}

} // namespace vantorel::testing
