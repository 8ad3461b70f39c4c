#include "TunnelPhase.h"

#include "Translatable.h"

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
    {TunnelPhase::unavailable, "unavailable", VANTOREL_TRANSLATABLE("TunnelPhase", "Setup required"), false},
    {TunnelPhase::disconnected, "disconnected", VANTOREL_TRANSLATABLE("TunnelPhase", "Not connected"), false},
    {TunnelPhase::connecting, "connecting", VANTOREL_TRANSLATABLE("TunnelPhase", "Connecting"), true},
    {TunnelPhase::connected, "connected", VANTOREL_TRANSLATABLE("TunnelPhase", "VPN connected"), true},
    {TunnelPhase::reconnecting, "reconnecting", VANTOREL_TRANSLATABLE("TunnelPhase", "Reconnecting"), true},
    {TunnelPhase::disconnecting, "disconnecting", VANTOREL_TRANSLATABLE("TunnelPhase", "Disconnecting"), true},
    {TunnelPhase::unknown, "unknown", VANTOREL_TRANSLATABLE("TunnelPhase", "Status unavailable"), false},
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
