#pragma once

#include "Uuid.h"
#include "VPNFailure.h"
#include "VPNProfile.h"
#include "VPNSettings.h"

#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

namespace vantorel {

// Everything persisted apart from passwords. A plain value: change a copy, save it, then use it.
struct ProfileLibrary {
    static constexpr std::int64_t currentSchemaVersion = 1;
    static constexpr std::size_t maxProfiles = 200;

    std::int64_t schemaVersion = currentSchemaVersion;
    std::vector<VPNProfile> profiles;
    std::optional<Uuid> selectedID;
    VPNSettings settings;

    // The first profile whose id is `selectedID`; none when nothing is selected or nothing matches.
    std::optional<VPNProfile> selected() const;

    // An unchanged copy when every invariant of a stored library holds. Library-level faults are
    // `storageUnavailable`; the first invalid profile's own failure is passed on as it is.
    std::expected<ProfileLibrary, VPNFailure> validated() const;

    friend bool operator==(const ProfileLibrary&, const ProfileLibrary&) = default;
};

} // namespace vantorel
