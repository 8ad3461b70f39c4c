#include "core/VPNProfile.h"

#include "support/TestProfiles.h"

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::sampleProfile;

namespace {

std::string repeat(std::string_view unit, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += unit;
    }
    return out;
}

// The message of the first broken rule, or "" when the profile passes.
std::string failureOf(const VPNProfile& profile) {
    const auto result = profile.validated();
    return result ? "" : std::string(result.error().description());
}

const std::string nameMessage(messages::nameAndCountry);
const std::string serverMessage(messages::server);
const std::string identityMessage(messages::remoteIdentifier);
const std::string userMessage(messages::username);

} // namespace

TEST(VPNProfile, NormalisesTextsAndHosts) {
    VPNProfile stored = sampleProfile();
    stored.username = "Customer-0042"; // user names keep their case
    VPNProfile typed = stored;
    typed.name = " \t London\n";
    typed.country = "\r\nUnited Kingdom ";
    typed.server = "  UK.Provider.Example \t";
    typed.remoteIdentifier = "\nUK.PROVIDER.EXAMPLE";
    typed.username = "  Customer-0042 ";
    EXPECT_EQ(typed.validated(), stored);
    EXPECT_EQ(stored.validated(), stored); // the normalised form is a fixed point
}

TEST(VPNProfile, TextRules) {
    const std::string flag = "\xF0\x9F\x87\xAC\xF0\x9F\x87\xA7";
    struct Row {
        std::string name;
        std::string country;
        std::string username;
        std::string expected;
    };
    // Which characters count, and which are control characters, is the text functions' own test.
    const Row rows[] = {
        {repeat("a", 80), "UK", "u", ""},
        {repeat("a", 81), "UK", "u", nameMessage},
        {"London", repeat("b", 81), "u", nameMessage},
        {repeat(flag, 80), "UK", "u", ""},
        {"   ", "UK", "u", nameMessage},
        {"", "UK", "u", nameMessage},
        {"London", " \n", "u", nameMessage},
        {"Lon\tdon", "UK", "u", nameMessage},
        {"Lon\xFFon", "UK", "u", nameMessage}, // ill-formed UTF-8
        {"London", "UK", repeat("u", 254), ""},
        {"London", "UK", repeat("u", 255), userMessage},
        {"London", "UK", " ", userMessage},
        {"London", "UK", "a\tb", userMessage},
    };
    for (const auto& row : rows) {
        VPNProfile profile = sampleProfile();
        profile.name = row.name;
        profile.country = row.country;
        profile.username = row.username;
        EXPECT_EQ(failureOf(profile), row.expected) << row.name << " / " << row.country << " / " << row.username;
    }
}

TEST(VPNProfile, ChecksRunInOrder) {
    VPNProfile profile = sampleProfile();
    profile.server = "bad";
    profile.remoteIdentifier = "also bad";
    EXPECT_EQ(failureOf(profile), serverMessage);
    profile.name = "";
    EXPECT_EQ(failureOf(profile), nameMessage);

    VPNProfile identity = sampleProfile();
    identity.remoteIdentifier = "https://vpn.example.com";
    identity.username = "";
    EXPECT_EQ(failureOf(identity), identityMessage);
}

TEST(VPNProfile, HostRule) {
    const std::string label63 = repeat("a", 63);
    // 63 + 1 + 63 + 1 + 63 + 1 + 61 = 253
    const std::string host253 = label63 + "." + label63 + "." + label63 + "." + repeat("b", 61);
    const std::string host254 = label63 + "." + label63 + "." + label63 + "." + repeat("b", 62);
    ASSERT_EQ(host253.size(), 253u);

    const std::vector<std::string> good = {"vpn.example.com", "example.com",    "de1.vpn-provider.net",
                                           "123.example",     "UK.Example.COM", "xn--bcher-kva.example",
                                           label63 + ".com",  host253};
    for (const auto& host : good) {
        EXPECT_TRUE(VPNProfile::validHost(host)) << host;
    }
    // Not a host name at all: no dot, a final dot, only digits and dots.
    for (const char* host : {"", ".", "1.2", "localhost", "example.com.", "192.168.1.1"}) {
        EXPECT_FALSE(VPNProfile::validHost(host)) << host;
    }
    const std::vector<std::string> bad = {
        "https://vpn.example.com", "vpn.example.com:500", "vpn.example.com/path", "user@vpn.example.com",
        "vpn_1.example.com",       ".example.com",        "vpn..example.com",     "-vpn.example.com",
        "vpn-.example.com",        "vpn.-example.com",    "b\u00FCcher.example",  " vpn.example.com",
        "vpn.exa mple.com",        "vpn.example.com\n",   label63 + "a.com",      host254};
    for (const auto& host : bad) {
        EXPECT_FALSE(VPNProfile::validHost(host)) << host;
    }
}

TEST(VPNProfile, EqualityUsesCanonicalEquivalence) {
    VPNProfile a = sampleProfile("Caf\xC3\xA9");
    VPNProfile b = a;
    b.name = "Cafe\xCC\x81";
    EXPECT_EQ(a, b);
    b.favorite = true;
    EXPECT_NE(a, b);
    b = a;
    b.credentialID = Uuid::random();
    EXPECT_NE(a, b);
    b = a;
    b.username = "Customer-0042";
    EXPECT_NE(a, b);
}
