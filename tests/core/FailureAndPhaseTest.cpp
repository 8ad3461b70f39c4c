#include "core/TunnelPhase.h"
#include "core/VPNFailure.h"

#include <gtest/gtest.h>

using namespace vantorel;

TEST(TunnelPhase, RawValuesTitlesAndActivity) {
    struct Row {
        TunnelPhase phase;
        const char* raw;
        const char* title;
        bool active;
    };
    const Row rows[] = {
        {TunnelPhase::unavailable, "unavailable", "Setup required", false},
        {TunnelPhase::disconnected, "disconnected", "Not connected", false},
        {TunnelPhase::connecting, "connecting", "Connecting", true},
        {TunnelPhase::connected, "connected", "VPN connected", true},
        {TunnelPhase::reconnecting, "reconnecting", "Reconnecting", true},
        {TunnelPhase::disconnecting, "disconnecting", "Disconnecting", true},
        {TunnelPhase::unknown, "unknown", "Status unavailable", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.raw);
        EXPECT_EQ(rawValue(row.phase), row.raw);
        EXPECT_EQ(title(row.phase), row.title);
        EXPECT_EQ(isActive(row.phase), row.active);
        EXPECT_EQ(tunnelPhaseFromRawValue(row.raw), row.phase);
    }
}

TEST(TunnelPhase, RawValueMatchIsExact) {
    for (const char* text : {"Connected", "VPN connected", "Setup required", "connected ", "", "CONNECTED"}) {
        EXPECT_EQ(tunnelPhaseFromRawValue(text), std::nullopt) << text;
    }
}

TEST(VPNFailure, DescriptionsAreTheUserFacingSentences) {
    EXPECT_EQ(VPNFailure::credentialsUnavailable().description(),
              "The connection password is unavailable. Add the location again with your provider credentials.");
    EXPECT_EQ(VPNFailure::storageUnavailable().description(),
              "Your saved locations could not be read or saved. Existing data has been preserved.");
    EXPECT_EQ(VPNFailure::signingRequired().description(),
              "This preview cannot create a VPN tunnel. A VPN-enabled Apple signing profile is required for the "
              "connection build.");
    EXPECT_EQ(VPNFailure::operationFailed().description(),
              "macOS could not complete the VPN request. Check your connection details and VPN permission, then try "
              "again.");
    EXPECT_EQ(VPNFailure::invalid("").description(), "");
    EXPECT_EQ(VPNFailure::invalid("Any text.").description(), "Any text.");
}

TEST(VPNFailure, Equality) {
    EXPECT_EQ(VPNFailure::storageUnavailable(), VPNFailure::storageUnavailable());
    EXPECT_NE(VPNFailure::storageUnavailable(), VPNFailure::credentialsUnavailable());
    EXPECT_NE(VPNFailure::invalid("a"), VPNFailure::invalid("b"));
    EXPECT_NE(VPNFailure::invalid(""), VPNFailure::operationFailed());
    // Precomposed and decomposed é are the same message.
    EXPECT_EQ(VPNFailure::invalid("caf\xC3\xA9"), VPNFailure::invalid("cafe\xCC\x81"));
}
