#pragma once

#include <optional>
#include <string_view>

namespace vantorel {

// The connection state as the app understands it. Never persisted.
enum class TunnelPhase { unavailable, disconnected, connecting, connected, reconnecting, disconnecting, unknown };

std::string_view rawValue(TunnelPhase phase);
// Exact, case-sensitive match on the raw value; anything else is none.
std::optional<TunnelPhase> tunnelPhaseFromRawValue(std::string_view raw);
// The status heading shown for the phase.
std::string_view title(TunnelPhase phase);
// A connection exists or is being set up or torn down.
bool isActive(TunnelPhase phase);

} // namespace vantorel
