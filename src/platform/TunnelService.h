#pragma once

#include "core/TunnelPhase.h"
#include "core/Uuid.h"

#include <QDateTime>
#include <QMetaObject>
#include <functional>
#include <optional>
#include <string_view>

namespace vantorel {

// Stand-in for the operating system's VPN facility. On macOS this is where the shared system VPN
// manager would be obtained; on Linux it names NetworkManager's D-Bus service, the facility a
// tunnel would go through, but this version never calls it.
struct SystemVpnManager final {
    static const SystemVpnManager& shared();
    std::string_view serviceName;
};

// The application's one point of contact with the system VPN facility. This version cannot start
// tunnels, so every status report says `unavailable` with no start time and no location.
class TunnelService final {
public:
    // The phase, when the current connection started, and the id of the location in use.
    using Changed = std::function<void(TunnelPhase, std::optional<QDateTime>, std::optional<Uuid>)>;

    TunnelService();
    ~TunnelService();
    TunnelService(const TunnelService&) = delete;
    TunnelService& operator=(const TunnelService&) = delete;

    // Replaces the receiver of status reports (an empty function removes it).
    void setChanged(Changed changed);
    // Calls the receiver synchronously with the current status; does nothing without one.
    void reportStatus() const;
    // Passes one status to the receiver, if there is one. A system observer would call this.
    void notify(TunnelPhase phase, std::optional<QDateTime> since, std::optional<Uuid> location) const;

private:
    const SystemVpnManager& m_manager;
    // A registration for the system's status notifications; nothing installs one in this version.
    std::optional<QMetaObject::Connection> m_observer;
    Changed m_changed;
};

} // namespace vantorel
