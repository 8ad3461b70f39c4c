#include "core/PlatformText.h"
#include "core/ProviderFile.h"
#include "core/TunnelPhase.h"
#include "core/VPNFailure.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

using namespace vantorel;

// Every case reads back from its own raw value, and from nothing but that exact text: not its
// title, nor the raw value in another case or with a space.
TEST(TunnelPhase, RawValuesRoundTripExactly) {
    for (int i = 0; i <= static_cast<int>(TunnelPhase::unknown); ++i) {
        const auto phase = static_cast<TunnelPhase>(i);
        EXPECT_EQ(tunnelPhaseFromRawValue(rawValue(phase)), phase) << rawValue(phase);
        EXPECT_EQ(tunnelPhaseFromRawValue(title(phase)), std::nullopt) << title(phase);
    }
    for (const char* text : {"Connected", "connected ", "", "CONNECTED"}) {
        EXPECT_EQ(tunnelPhaseFromRawValue(text), std::nullopt) << text;
    }
}

// Every case shows a text of its own, and equals only itself.
TEST(VPNFailure, DescriptionsAndEquality) {
    const VPNFailure cases[] = {VPNFailure::invalid("Any text."),     VPNFailure::invalid(""),
                                VPNFailure::credentialsUnavailable(), VPNFailure::storageUnavailable(),
                                VPNFailure::signingRequired(),        VPNFailure::operationFailed()};
    std::set<std::string_view> texts;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        texts.insert(cases[i].description());
        for (std::size_t j = 0; j < std::size(cases); ++j) {
            EXPECT_EQ(cases[i] == cases[j], i == j) << i << " against " << j;
        }
    }
    EXPECT_EQ(texts.size(), std::size(cases));
    EXPECT_EQ(VPNFailure::invalid("Any text.").description(), "Any text.");
    // Precomposed and decomposed é are the same message.
    EXPECT_EQ(VPNFailure::invalid("caf\xC3\xA9"), VPNFailure::invalid("cafe\xCC\x81"));
}

// Each platform's column is complete, and no text of this build's column, nor any failure it can
// report, names another platform.
TEST(PlatformText, EveryTextIsWrittenForItsPlatform) {
    for (const std::string_view text : macOSText.all()) {
        EXPECT_FALSE(text.empty());
    }
    if (&platformText() != &linuxText) {
        GTEST_SKIP() << "built for macOS";
    }
    const auto column = linuxText.all();
    std::vector<std::string_view> said(column.begin(), column.end());
    std::vector<VPNFailure> failures{VPNFailure::credentialsUnavailable(), VPNFailure::storageUnavailable(),
                                     VPNFailure::signingRequired(), VPNFailure::operationFailed()};
    for (int problem = 1; problem <= static_cast<int>(ImportProblem::encrypted); ++problem) {
        failures.push_back(importFailure(static_cast<ImportProblem>(problem)));
    }
    for (const VPNFailure& failure : failures) {
        said.push_back(failure.description());
    }
    const std::regex otherPlatform(R"(\b(Mac|macOS|Apple|Keychain)\b)");
    for (const std::string_view text : said) {
        EXPECT_FALSE(text.empty());
        EXPECT_FALSE(std::regex_search(text.begin(), text.end(), otherPlatform)) << text;
    }
}
