#include "core/TunnelPhase.h"
#include "core/VPNFailure.h"

#include <gtest/gtest.h>

using namespace vantorel;

// Every case reads back from its own raw value, and from nothing but that exact text.
TEST(TunnelPhase, RawValuesRoundTripExactly) {
    for (int i = 0; i <= static_cast<int>(TunnelPhase::unknown); ++i) {
        const auto phase = static_cast<TunnelPhase>(i);
        EXPECT_EQ(tunnelPhaseFromRawValue(rawValue(phase)), phase) << rawValue(phase);
    }
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
