#pragma once

#include "app/AppModel.h"

namespace vantorel {

// Reaches what only the system would drive: status reports from the tunnel service. For tests and
// the screenshot tool, which show the model in phases this version never reaches by itself.
struct AppModelProbe {
    static void report(AppModel& model, TunnelPhase phase, std::optional<QDateTime> since = {},
                       std::optional<Uuid> location = {}) {
        model.m_tunnel->notify(phase, std::move(since), std::move(location));
    }
};

} // namespace vantorel
