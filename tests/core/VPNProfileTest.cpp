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

TEST(VPNProfile, MessagesAreExact) {
    EXPECT_EQ(nameMessage, "Enter a location name and country, using at most 80 characters each.");
    EXPECT_EQ(serverMessage, "Enter the provider\xE2\x80\x99s server hostname, without https://, a port or a path.");
    EXPECT_EQ(identityMessage,
              "Enter the server certificate identity supplied by your provider, such as vpn.example.com.");
    EXPECT_EQ(userMessage, "Enter the VPN username supplied by your provider.");
}

TEST(VPNProfile, NormalisesTextsAndHosts) {
    VPNProfile typed = sampleProfile();
    typed.name = " \t London\n";
    typed.country = "\r\nUnited Kingdom ";
    typed.server = "  UK.Provider.Example \t";
    typed.remoteIdentifier = "\nVPN.EXAMPLE.COM";
    typed.username = "  Customer-0042 ";
    const auto result = typed.validated();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->name, "London");
    EXPECT_EQ(result->country, "United Kingdom");
    EXPECT_EQ(result->server, "uk.provider.example");
    EXPECT_EQ(result->remoteIdentifier, "vpn.example.com");
    EXPECT_EQ(result->username, "Customer-0042");
    EXPECT_EQ(result->id, typed.id);
    EXPECT_EQ(result->credentialID, typed.credentialID);
    // The input is untouched and the normalised form is a fixed point.
    EXPECT_EQ(typed.name, " \t London\n");
    EXPECT_EQ(result->validated(), *result);
}

TEST(VPNProfile, TextRules) {
    const std::string flag = "\xF0\x9F\x87\xAC\xF0\x9F\x87\xA7";
    struct Row {
        std::string name;
        std::string country;
        std::string username;
        std::string expected;
    };
    const Row rows[] = {
        {repeat("a", 80), "UK", "u", ""},
        {repeat("a", 81), "UK", "u", nameMessage},
        {"London", repeat("b", 81), "u", nameMessage},
        {repeat(flag, 80), "UK", "u", ""},
        {repeat("e\xCC\x81", 80), "UK", "u", ""},
        {"   ", "UK", "u", nameMessage},
        {"", "UK", "u", nameMessage},
        {"London", " \n", "u", nameMessage},
        {"Lon\tdon", "UK", "u", nameMessage},
        {"Lon\ndon", "UK", "u", nameMessage},
        {"\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB", "UK", "u", nameMessage}, // zero-width joiner
        {"Lon\xC2\xAD"
         "don",
         "UK", "u", nameMessage}, // soft hyphen
        {"Lon\xE2\x80\x8F"
         "don",
         "UK", "u", nameMessage}, // right-to-left mark
        {"Lon\xFF"
         "don",
         "UK", "u", nameMessage}, // ill-formed UTF-8
        {"London", "UK", repeat("u", 254), ""},
        {"London", "UK", repeat("u", 255), userMessage},
        {"London", "UK", " ", userMessage},
        {"London", "UK", "a\tb", userMessage},
        {"London", "UK", "\xC3\x28", userMessage},
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

    for (const std::string& good :
         {std::string("vpn.example.com"), std::string("example.com"), std::string("de1.vpn-provider.net"),
          std::string("123.example"), std::string("xn--bcher-kva.example"), std::string("UK.Example.COM"),
          label63 + ".com", host253}) {
        EXPECT_TRUE(VPNProfile::validHost(good)) << good;
    }
    for (const std::string& bad : {std::string("localhost"),
                                   std::string("example.com."),
                                   std::string("192.168.1.1"),
                                   std::string("1.2"),
                                   std::string("https://vpn.example.com"),
                                   std::string("vpn.example.com:500"),
                                   std::string("vpn.example.com/path"),
                                   std::string("user@vpn.example.com"),
                                   std::string("vpn_1.example.com"),
                                   std::string(".example.com"),
                                   std::string("vpn..example.com"),
                                   std::string("-vpn.example.com"),
                                   std::string("vpn-.example.com"),
                                   std::string("vpn.-example.com"),
                                   repeat("a", 64) + ".com",
                                   host254,
                                   std::string("b\xC3\xBC"
                                               "cher.example"),
                                   std::string(" vpn.example.com"),
                                   std::string("vpn.exa mple.com"),
                                   std::string(""),
                                   std::string("."),
                                   std::string("vpn.example.com\n")}) {
        EXPECT_FALSE(VPNProfile::validHost(bad)) << bad;
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
