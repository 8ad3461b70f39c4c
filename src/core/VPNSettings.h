#pragma once

namespace vantorel {

// The two connection preferences kept in the library document.
struct VPNSettings {
    bool allowLocalNetwork = false;
    bool disconnectOnSleep = false;

    friend bool operator==(const VPNSettings&, const VPNSettings&) = default;
};

} // namespace vantorel
