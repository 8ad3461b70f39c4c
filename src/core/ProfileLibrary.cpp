#include "ProfileLibrary.h"

#include <algorithm>

namespace vantorel {
namespace {

template <typename Key> bool allDistinct(const std::vector<VPNProfile>& profiles, Key key) {
    std::vector<Uuid> values;
    values.reserve(profiles.size());
    for (const auto& profile : profiles) {
        values.push_back(key(profile));
    }
    std::ranges::sort(values);
    return std::ranges::adjacent_find(values) == values.end();
}

} // namespace

std::optional<VPNProfile> ProfileLibrary::selected() const {
    if (!selectedID) {
        return std::nullopt;
    }
    const auto found = std::ranges::find(profiles, *selectedID, &VPNProfile::id);
    if (found == profiles.end()) {
        return std::nullopt;
    }
    return *found;
}

std::expected<ProfileLibrary, VPNFailure> ProfileLibrary::validated() const {
    const auto damaged = std::unexpected(VPNFailure::storageUnavailable());
    if (schemaVersion != currentSchemaVersion || profiles.size() > maxProfiles) {
        return damaged;
    }
    if (!allDistinct(profiles, [](const VPNProfile& p) { return p.id; }) ||
        !allDistinct(profiles, [](const VPNProfile& p) { return p.credentialID; })) {
        return damaged;
    }
    if (selectedID && !selected()) {
        return damaged;
    }
    for (const auto& profile : profiles) {
        auto normalised = profile.validated();
        if (!normalised) {
            return std::unexpected(normalised.error());
        }
        // Stored data is always normalised; anything normalisation would change is damage.
        if (*normalised != profile) {
            return damaged;
        }
    }
    return *this;
}

} // namespace vantorel
