#pragma once

#include "core/TunnelPhase.h"
#include "core/Uuid.h"

#include <QDateTime>
#include <functional>
#include <optional>

namespace vantorel {

// The application's one point of contact with the system's VPN facility. This version cannot start
// tunnels, so every status report says `unavailable` with no start time and no location.
class TunnelService final {
public:
    // The phase, when the current connection started, and the id of the location in use.
    using Changed = std::function<void(TunnelPhase, std::optional<QDateTime>, std::optional<Uuid>)>;

    TunnelService() = default;
    TunnelService(const TunnelService&) = delete;
    TunnelService& operator=(const TunnelService&) = delete;

    // Replaces the receiver of status reports (an empty function removes it).
    void setChanged(Changed changed);
    // Calls the receiver synchronously with the current status; does nothing without one.
    void reportStatus() const;
    // Passes one status to the receiver, if there is one.
    void notify(TunnelPhase phase, std::optional<QDateTime> since, std::optional<Uuid> location) const;

private:
    Changed m_changed;
};

} // namespace vantorel
