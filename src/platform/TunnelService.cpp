#include "TunnelService.h"

namespace vantorel {

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
