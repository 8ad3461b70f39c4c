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

// Beyond the seed corpus, whose names say which documents are taken: either case of identifiers, a
// null selection, a later version (the library check refuses it afterwards), white space and \u
// escapes are readable; a selection that is not an identifier is not, nor an object where the
// array of profiles belongs.
TEST(LibraryDocument, ReadableAndUnreadableDocuments) {
    const std::string lowerId = "c3a81f5d-2e94-4b0a-8d67-1f9e3c5a7b20";
    struct Row {
        const char* what;
        std::string document;
        bool readable;
    };
    const Row rows[] = {
        {"lower-case ids",
         documentWith(replaced(goodProfile, "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20", lowerId),
                      goodRoot + R"(,"selectedID":")" + lowerId + "\""),
         true},
        {"null selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":null)"), true},
        {"schema version 2", documentWith(goodProfile, replaced(goodRoot, "1", "2")), true},
        {"largest version", documentWith(goodProfile, replaced(goodRoot, "1", "9223372036854775807")), true},
        {"surrounding whitespace", " \n\t" + documentWith(goodProfile, goodRoot) + "\n\n", true},
        {"escaped text", documentWith(replaced(goodProfile, "\"London\"", R"("Lond\u006Fn")"), goodRoot), true},
        {"malformed selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":"nope")"), false},
        {"numeric selection", documentWith(goodProfile, goodRoot + R"(,"selectedID":7)"), false},
        {"empty object for the profiles", R"({"profiles":{},)" + goodRoot + "}", false},
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
    EXPECT_EQ(LibraryDocument::decode(rows[0].document)->selectedID->string(), "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20");
    EXPECT_FALSE(LibraryDocument::decode(rows[1].document)->selectedID);
    EXPECT_EQ(LibraryDocument::decode(rows[2].document)->schemaVersion, 2);
}
