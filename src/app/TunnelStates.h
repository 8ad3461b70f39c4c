#pragma once

#include "core/TunnelPhase.h"
#include "core/Uuid.h"

#include <QDateTime>
#include <optional>

namespace vantorel {

class AppModel;

// Hands the model a tunnel status report as the system's VPN facility would send it. This version
// never starts a tunnel, so the program itself only ever reports `unavailable`; the tests and the
// screenshot tool use this to show the model in every other phase.
void reportTunnelStatus(AppModel& model, TunnelPhase phase, std::optional<QDateTime> since = {},
                        std::optional<Uuid> location = {});

} // namespace vantorel
