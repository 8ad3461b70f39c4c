#include "core/LibraryDocument.h"

#include "support/TestProfiles.h"

#include <gtest/gtest.h>

using namespace vantorel;

namespace {

const std::string exampleDocument = R"({
  "profiles" : [
    {
      "country" : "United Kingdom",
      "credentialID" : "6F1C2A9E-4B7D-4E21-9A3C-0D5E8B7F1A24",
      "favorite" : true,
      "id" : "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",
      "name" : "London",
      "remoteIdentifier" : "uk.provider.example",
      "server" : "uk.provider.example",
      "username" : "customer-0042"
    },
    {
      "country" : "Netherlands",
      "credentialID" : "0B7E4D3C-9A1F-4C58-B2E6-7A4D1C9F3E85",
      "favorite" : false,
      "id" : "8D2F6B1A-5C3E-4F97-A0B4-3E6C9D2A7F51",
      "name" : "Amsterdam 2",
      "remoteIdentifier" : "vpn.example.com",
      "server" : "vpn.example.com",
      "username" : "customer-0042"
    }
  ],
  "schemaVersion" : 1,
  "selectedID" : "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",
  "settings" : {
    "allowLocalNetwork" : false,
    "disconnectOnSleep" : true
  }
})";

// A minimal one-profile document with `profile` and `rest` spliced in as raw JSON members.
std::string documentWith(const std::string& profileMembers, const std::string& rootMembers) {
    return R"({"profiles":[{)" + profileMembers + R"(}],)" + rootMembers + "}";
}

const std::string goodProfile = R"("country":"UK","credentialID":"6F1C2A9E-4B7D-4E21-9A3C-0D5E8B7F1A24",)"
                                R"("favorite":false,"id":"C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20","name":"London",)"
                                R"("remoteIdentifier":"a.example","server":"a.example","username":"me")";
const std::string goodRoot = R"("schemaVersion":1,"settings":{"allowLocalNetwork":true,"disconnectOnSleep":false})";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// The minimal document with one change in the profile or in the root members.
std::string withProfile(const std::string& from, const std::string& to) {
    return documentWith(replaced(goodProfile, from, to), goodRoot);
}
std::string withRoot(const std::string& from, const std::string& to) {
    return documentWith(goodProfile, replaced(goodRoot, from, to));
}

} // namespace

TEST(LibraryDocument, ExampleDecodesAndEncodesBackByteForByte) {
    const auto library = LibraryDocument::decode(exampleDocument);
    ASSERT_TRUE(library);
    ASSERT_EQ(library->profiles.size(), 2u);
    EXPECT_EQ(library->selected()->name, "London");
    EXPECT_TRUE(library->profiles[0].favorite);
    EXPECT_EQ(library->profiles[1].name, "Amsterdam 2");
    EXPECT_EQ(library->profiles[1].credentialID.string(), "0B7E4D3C-9A1F-4C58-B2E6-7A4D1C9F3E85");
    EXPECT_TRUE(library->settings.disconnectOnSleep);
    EXPECT_FALSE(library->settings.allowLocalNetwork);
    EXPECT_TRUE(library->validated());
    EXPECT_EQ(LibraryDocument::encode(*library), exampleDocument);
}

TEST(LibraryDocument, EmptyLibraryLayout) {
    EXPECT_EQ(LibraryDocument::encode(ProfileLibrary{}), "{\n"
                                                         "  \"profiles\" : [\n"
                                                         "\n"
                                                         "  ],\n"
                                                         "  \"schemaVersion\" : 1,\n"
                                                         "  \"settings\" : {\n"
                                                         "    \"allowLocalNetwork\" : false,\n"
                                                         "    \"disconnectOnSleep\" : false\n"
                                                         "  }\n"
                                                         "}");
}

TEST(LibraryDocument, StringEscapingRoundTrips) {
    ProfileLibrary library;
    VPNProfile profile = vantorel::testing::sampleProfile();
    profile.name = "a/b \"q\" \\ \b\f\n\r\t\x01\x1F\x7F \xC3\xA9 \xF0\x9F\x87\xAC\xF0\x9F\x87\xA7";
    library.profiles.push_back(profile);
    const std::string bytes = LibraryDocument::encode(library);
    EXPECT_NE(bytes.find(R"("name" : "a\/b \"q\" \\ \b\f\n\r\t\u0001\u001f)"
                         "\x7F \xC3\xA9 \xF0\x9F\x87\xAC\xF0\x9F\x87\xA7\""),
              std::string::npos)
        << bytes;
    const auto back = LibraryDocument::decode(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, library);
}

TEST(LibraryDocument, ReadableVariants) {
    const std::string lowerId = "c3a81f5d-2e94-4b0a-8d67-1f9e3c5a7b20";
    struct Row {
        const char* what;
        std::string document;
    };
    const Row rows[] = {
        {"extra keys everywhere",
         documentWith(goodProfile + R"(,"extra":[1,{"x":null}])", goodRoot + R"(,"comment":"hi","v2":{"a":1})")},
        {"lower-case ids", documentWith(replaced(goodProfile, "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20", lowerId),
                                        goodRoot + R"(,"selectedID":")" + lowerId + "\"")},
        {"null selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":null)")},
        {"schema version 2", withRoot("1", "2")},
        {"compact whitespace", documentWith(goodProfile, goodRoot)},
        {"surrounding whitespace", " \n\t" + documentWith(goodProfile, goodRoot) + "\n\n"},
        {"escaped text", withProfile("\"London\"", R"("Lond\u006Fn")")},
    };
    for (const auto& row : rows) {
        const auto library = LibraryDocument::decode(row.document);
        ASSERT_TRUE(library) << row.what;
        EXPECT_EQ(library->profiles.at(0).name, "London") << row.what;
        EXPECT_TRUE(library->settings.allowLocalNetwork) << row.what;
    }
    const auto lower = LibraryDocument::decode(rows[1].document);
    EXPECT_EQ(lower->selectedID->string(), "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20");
    EXPECT_FALSE(LibraryDocument::decode(rows[2].document)->selectedID);
    const auto version2 = LibraryDocument::decode(rows[3].document);
    EXPECT_EQ(version2->schemaVersion, 2);
    EXPECT_EQ(version2->validated().error(), VPNFailure::storageUnavailable());
}

TEST(LibraryDocument, UnreadableDocuments) {
    struct Row {
        const char* what;
        std::string document;
    };
    const Row rows[] = {
        {"empty", ""},
        {"not an object", "[]"},
        {"no favorite", withProfile(R"("favorite":false,)", "")},
        {"no settings", documentWith(goodProfile, R"("schemaVersion":1)")},
        {"no profiles", "{" + goodRoot + "}"},
        {"no schemaVersion", withRoot(R"("schemaVersion":1,)", "")},
        {"settings missing a key", withRoot(R"(,"disconnectOnSleep":false)", "")},
        {"number for a string", withProfile("\"London\"", "42")},
        {"null for a string", withProfile("\"London\"", "null")},
        {"string for a bool", withProfile("false", "\"false\"")},
        {"number for a bool", withProfile("false", "0")},
        {"malformed id", withProfile("C3A81F5D-2E94", "C3A81F5D2E94-")},
        {"braced id",
         withProfile("\"C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20\"", "\"{C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20}\"")},
        {"malformed selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":"nope")")},
        {"numeric selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":7)")},
        {"string version", withRoot("1", "\"1\"")},
        {"fractional version", withRoot("1", "1.5")},
        {"version written as 1.0", withRoot("1", "1.0")},
        {"version too large", withRoot("1", "9223372036854775808")},
        {"profiles not an array", R"({"profiles":{},)" + goodRoot + "}"},
        {"profile not an object", R"({"profiles":[1],)" + goodRoot + "}"},
        {"invalid UTF-8", withProfile("London", "Lond\xFFn")},
        {"overlong UTF-8", withProfile("London", "Lond\xC0\xAF")},
        {"lone surrogate escape", withProfile("London", R"(\ud800)")},
        {"trailing garbage", documentWith(goodProfile, goodRoot) + "x"},
        {"two documents", documentWith(goodProfile, goodRoot) + "{}"},
        {"trailing comma", documentWith(goodProfile, goodRoot + ",")},
        {"comment", "/* c */" + documentWith(goodProfile, goodRoot)},
    };
    for (const auto& row : rows) {
        const auto library = LibraryDocument::decode(row.document);
        ASSERT_FALSE(library) << row.what;
        EXPECT_EQ(library.error(), VPNFailure::storageUnavailable()) << row.what;
    }
    // Largest accepted version still reads (it fails the library check later).
    EXPECT_TRUE(LibraryDocument::decode(withRoot("1", "9223372036854775807")));
    EXPECT_TRUE(LibraryDocument::decode(withRoot("1", "-9223372036854775808")));
}
