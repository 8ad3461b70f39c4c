#include "core/Uuid.h"

#include <gtest/gtest.h>
#include <set>

using namespace vantorel;

TEST(Uuid, RandomIsVersion4InCanonicalUpperCase) {
    std::set<Uuid> seen;
    for (int i = 0; i < 200; ++i) {
        const Uuid id = Uuid::random();
        const std::string text = id.string();
        ASSERT_EQ(text.size(), 36u);
        EXPECT_EQ(text[14], '4');
        EXPECT_NE(std::string("89AB").find(text[19]), std::string::npos) << text;
        EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF-"), std::string::npos) << text;
        EXPECT_EQ(Uuid::parse(text), id);
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 200u);
}

TEST(Uuid, ParseAcceptsEitherCaseAndNothingElse) {
    const auto upper = Uuid::parse("C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20");
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->string(), "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20");
    EXPECT_EQ(Uuid::parse("c3a81f5d-2e94-4b0a-8d67-1f9e3c5a7b20"), upper);
    EXPECT_EQ(Uuid::parse("c3A81f5D-2e94-4B0a-8d67-1F9e3C5a7b20"), upper);

    for (const char* bad : {
             "", "C3A81F5D2E944B0A8D671F9E3C5A7B20",        // no dashes
             "{C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20}",      // braces
             "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B2",         // short
             "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B200",       // long
             "C3A81F5D-2E944-B0A-8D67-1F9E3C5A7B20",        // dash moved
             "G3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",        // not hex
             " 3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",        // space
             "C3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B2\xC3\xA9", // non-ASCII
             "+3A81F5D-2E94-4B0A-8D67-1F9E3C5A7B20",        // sign
         }) {
        EXPECT_EQ(Uuid::parse(bad), std::nullopt) << bad;
    }
}
