#pragma once

#include "core/VPNProfile.h"

namespace vantorel::testing {

// A valid, already normalised location; tests change one field at a time.
inline VPNProfile sampleProfile(std::string name = "London") {
    return VPNProfile{Uuid::random(),        std::move(name), "United Kingdom", "uk.provider.example",
                      "uk.provider.example", "customer-0042", Uuid::random(),   false};
}

} // namespace vantorel::testing
