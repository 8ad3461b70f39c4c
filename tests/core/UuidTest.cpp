#include "core/Uuid.h"

#include <gtest/gtest.h>
#include <regex>

using namespace vantorel;

TEST(Uuid, RandomIsVersion4InCanonicalUpperCase) {
    const std::regex version4("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
    for (int i = 0; i < 50; ++i) {
        const Uuid id = Uuid::random();
        EXPECT_TRUE(std::regex_match(id.string(), version4)) << id.string();
        EXPECT_EQ(Uuid::parse(id.string()), id);
        EXPECT_NE(Uuid::random(), id);
    }
}

// The document's table and the seed corpus cover lower case, braces, missing dashes and a short id.
TEST(Uuid, ParseRefusesWhatIsNotHexDigitsInTheirPlaces) {
    for (const char* bad : {
             "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B200",      // long
             "C3A81F5D-2E944-B0A-8D67-1F9E3C5A7B20",       // dash moved
             "G3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",       // not hex
             " 3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",       // space
             "+3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",       // sign
             "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B\xC3\xA9", // non-ASCII, 36 bytes
         }) {
        EXPECT_EQ(Uuid::parse(bad), std::nullopt) << bad;
    }
}
