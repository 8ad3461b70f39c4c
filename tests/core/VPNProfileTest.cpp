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

// One row per rule and field; the fields not named are valid. Which characters count, and which
// are control characters, is the text functions' own test.
TEST(VPNProfile, RecordRulesInTheOrderTheyAreChecked) {
    const std::string flag = "\xF0\x9F\x87\xAC\xF0\x9F\x87\xA7";
    struct Row {
        std::string name = "London";
        std::string country = "UK";
        std::string server = "vpn.example.com";
        std::string identity = "vpn.example.com";
        std::string username = "u";
        std::string expected = "";
    };
    const Row rows[] = {
        {.name = repeat("a", 80)},
        {.name = repeat("a", 81), .expected = nameMessage},
        {.country = repeat("b", 81), .expected = nameMessage},
        {.name = repeat(flag, 80)},
        {.name = "   ", .expected = nameMessage},
        {.name = "", .expected = nameMessage},
        {.country = " \n", .expected = nameMessage},
        {.name = "Lon\tdon", .expected = nameMessage},
        {.name = "Lon\xFFon", .expected = nameMessage}, // ill-formed UTF-8
        {.username = repeat("u", 254)},
        {.username = repeat("u", 255), .expected = userMessage},
        {.username = " ", .expected = userMessage},
        {.username = "a\tb", .expected = userMessage},
        {.server = "bad", .identity = "also bad", .expected = serverMessage},
        {.name = "", .server = "bad", .identity = "also bad", .expected = nameMessage},
        {.identity = "https://vpn.example.com", .username = "", .expected = identityMessage},
    };
    for (const auto& row : rows) {
        VPNProfile profile = sampleProfile(row.name);
        profile.country = row.country;
        profile.server = row.server;
        profile.remoteIdentifier = row.identity;
        profile.username = row.username;
        EXPECT_EQ(failureOf(profile), row.expected) << row.name << " / " << row.country << " / " << row.server << " / "
                                                    << row.identity << " / " << row.username;
    }
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
