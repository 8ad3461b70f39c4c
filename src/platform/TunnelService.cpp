#include "TunnelService.h"

#include <QObject>

namespace vantorel {

const SystemVpnManager& SystemVpnManager::shared() {
    static const SystemVpnManager manager{"org.freedesktop.NetworkManager"};
    return manager;
}

TunnelService::TunnelService() : m_manager(SystemVpnManager::shared()) {}

TunnelService::~TunnelService() {
    // The observer goes first, so that no notification can arrive while the rest is released.
    if (m_observer) {
        QObject::disconnect(*m_observer);
    }
}

void TunnelService::setChanged(Changed changed) {
    m_changed = std::move(changed);
}

void TunnelService::reportStatus() const {
    notify(TunnelPhase::unavailable, std::nullopt, std::nullopt);
}

void TunnelService::notify(TunnelPhase phase, std::optional<QDateTime> since, std::optional<Uuid> location) const {
    if (m_changed) {
        m_changed(phase, std::move(since), std::move(location));
    }
}

} // namespace vantorel
