#include "TunnelPhase.h"

#include <array>

namespace vantorel {
namespace {

struct PhaseInfo {
    TunnelPhase phase;
    std::string_view raw;
    std::string_view title;
    bool active;
};

constexpr std::array<PhaseInfo, 7> phases{{
    {TunnelPhase::unavailable, "unavailable", "Setup required", false},
    {TunnelPhase::disconnected, "disconnected", "Not connected", false},
    {TunnelPhase::connecting, "connecting", "Connecting", true},
    {TunnelPhase::connected, "connected", "VPN connected", true},
    {TunnelPhase::reconnecting, "reconnecting", "Reconnecting", true},
    {TunnelPhase::disconnecting, "disconnecting", "Disconnecting", true},
    {TunnelPhase::unknown, "unknown", "Status unavailable", false},
}};

const PhaseInfo& info(TunnelPhase phase) {
    return phases[static_cast<std::size_t>(phase)];
}

} // namespace

std::string_view rawValue(TunnelPhase phase) {
    return info(phase).raw;
}
std::string_view title(TunnelPhase phase) {
    return info(phase).title;
}
bool isActive(TunnelPhase phase) {
    return info(phase).active;
}

std::optional<TunnelPhase> tunnelPhaseFromRawValue(std::string_view raw) {
    for (const auto& entry : phases) {
        if (entry.raw == raw) {
            return entry.phase;
        }
    }
    return std::nullopt;
}

} // namespace vantorel
