#include "core/LibraryDocument.h"

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
      "name" : "Zürich\/Basel \"Nord\" \\ 2",
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
    // Encoding back would hide two fields swapped both ways, or an escape read and written back
    // wrong the same way; these are told apart by value.
    EXPECT_TRUE(library->profiles[0].favorite);
    EXPECT_EQ(library->profiles[1].credentialID.string(), "0B7E4D3C-9A1F-4C58-B2E6-7A4D1C9F3E85");
    EXPECT_EQ(library->profiles[1].name, "Z\xC3\xBCrich/Basel \"Nord\" \\ 2");
    EXPECT_TRUE(library->settings.disconnectOnSleep);
    EXPECT_TRUE(library->validated());
    EXPECT_EQ(LibraryDocument::encode(*library), exampleDocument);

    // An empty library: its array is "[", a blank line and "]", and it names no selection.
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

// Readable: other keys, either case of identifiers, a null selection, a later version (the library
// check refuses it afterwards), white space and escapes. Unreadable: anything else.
TEST(LibraryDocument, ReadableAndUnreadableDocuments) {
    const std::string lowerId = "c3a81f5d-2e94-4b0a-8d67-1f9e3c5a7b20";
    struct Row {
        const char* what;
        std::string document;
        bool readable;
    };
    const Row rows[] = {
        {"extra keys everywhere",
         documentWith(goodProfile + R"(,"extra":[1,{"x":null}])", goodRoot + R"(,"comment":"hi","v2":{"a":1})"), true},
        {"lower-case ids",
         documentWith(replaced(goodProfile, "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20", lowerId),
                      goodRoot + R"(,"selectedID":")" + lowerId + "\""),
         true},
        {"null selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":null)"), true},
        {"schema version 2", withRoot("1", "2"), true},
        {"largest version", withRoot("1", "9223372036854775807"), true},
        {"surrounding whitespace", " \n\t" + documentWith(goodProfile, goodRoot) + "\n\n", true},
        {"escaped text", withProfile("\"London\"", R"("Lond\u006Fn")"), true},

        {"empty", "", false},
        {"not an object", "[]", false},
        {"no favorite", withProfile(R"("favorite":false,)", ""), false},
        {"no profiles", "{" + goodRoot + "}", false},
        {"no schemaVersion", withRoot(R"("schemaVersion":1,)", ""), false},
        {"settings missing a key", withRoot(R"(,"disconnectOnSleep":false)", ""), false},
        {"number for a string", withProfile("\"London\"", "42"), false},
        {"string for a bool", withProfile("false", "\"false\""), false},
        {"malformed id", withProfile("C3A81F5D-2E94", "C3A81F5D2E94-"), false},
        {"braced id",
         withProfile("\"C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20\"", "\"{C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20}\""), false},
        {"malformed selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":"nope")"), false},
        {"numeric selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":7)"), false},
        {"string version", withRoot("1", "\"1\""), false},
        {"version written as 1.0", withRoot("1", "1.0"), false},
        {"version too large", withRoot("1", "9223372036854775808"), false},
        {"profiles not an array", R"({"profiles":{},)" + goodRoot + "}", false},
        {"profile not an object", R"({"profiles":[1],)" + goodRoot + "}", false},
        {"invalid UTF-8", withProfile("London", "Lond\xFFn"), false},
        {"overlong UTF-8", withProfile("London", "Lond\xC0\xAF"), false},
        {"lone surrogate escape", withProfile("London", R"(\ud800)"), false},
        {"trailing garbage", documentWith(goodProfile, goodRoot) + "x", false},
        {"two documents", documentWith(goodProfile, goodRoot) + "{}", false},
        {"trailing comma", documentWith(goodProfile, goodRoot + ","), false},
        {"comment", "/* c */" + documentWith(goodProfile, goodRoot), false},
        {"NUL and garbage after the document", documentWith(goodProfile, goodRoot) + std::string("\0anything", 9),
         false},
        {"NUL after the document", documentWith(goodProfile, goodRoot) + std::string(1, '\0'), false},
        {"raw NUL inside a string", withProfile("London", std::string("Lon\0don", 7)), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto library = LibraryDocument::decode(row.document);
        ASSERT_EQ(library.has_value(), row.readable);
        if (row.readable) {
            EXPECT_EQ(library->profiles.at(0).name, "London");
            EXPECT_TRUE(library->settings.allowLocalNetwork);
        } else {
            EXPECT_EQ(library.error(), VPNFailure::storageUnavailable());
        }
    }
    const auto lower = LibraryDocument::decode(rows[1].document);
    EXPECT_EQ(lower->selectedID->string(), "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20");
    EXPECT_FALSE(LibraryDocument::decode(rows[2].document)->selectedID);
    EXPECT_EQ(LibraryDocument::decode(rows[3].document)->schemaVersion, 2);
}
