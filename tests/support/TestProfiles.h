#pragma once

#include "core/VPNProfile.h"

#include <ostream>

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

} // namespace vantorel::testing
