#pragma once

#include <string>
#include <string_view>

namespace vantorel {

// The one failure type of the program. Each case carries the exact sentence the user sees;
// nothing else (no errno, no library error text) ever reaches the screen.
class VPNFailure final {
public:
    enum class Kind { invalid, credentialsUnavailable, storageUnavailable, signingRequired, operationFailed };

    static VPNFailure invalid(std::string message) { return VPNFailure(Kind::invalid, std::move(message)); }
    static VPNFailure credentialsUnavailable() { return VPNFailure(Kind::credentialsUnavailable); }
    static VPNFailure storageUnavailable() { return VPNFailure(Kind::storageUnavailable); }
    static VPNFailure signingRequired() { return VPNFailure(Kind::signingRequired); }
    static VPNFailure operationFailed() { return VPNFailure(Kind::operationFailed); }

    Kind kind() const { return m_kind; }
    // The text shown to the user: the message itself for `invalid`, a fixed sentence otherwise.
    std::string_view description() const;

    // Same case; for `invalid`, messages equal under Unicode canonical equivalence.
    friend bool operator==(const VPNFailure& a, const VPNFailure& b);

private:
    explicit VPNFailure(Kind kind, std::string message = {}) : m_kind(kind), m_message(std::move(message)) {}

    Kind m_kind;
    std::string m_message;
};

} // namespace vantorel
