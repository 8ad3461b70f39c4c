#include "core/Text.h"

#include <gtest/gtest.h>

using namespace vantorel;

TEST(Text, CharacterCountIsGraphemeClusters) {
    const std::pair<const char*, std::size_t> rows[] = {
        {"", 0},
        {"abc", 3},
        {"a\r\nb", 3},                                       // CR LF is one cluster
        {"e\xCC\x81", 1},                                    // e + combining acute
        {"\xF0\x9F\x87\xAC\xF0\x9F\x87\xA7", 1},             // flag: two regional indicators
        {"\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB", 1}, // woman technologist (ZWJ sequence)
        {"\xED\x95\x9C\xEA\xB8\x80", 2},                     // Hangul syllables
    };
    for (const auto& [input, count] : rows) {
        EXPECT_EQ(text::characterCount(input), count) << input;
    }
}

TEST(Text, TrimmingRemovesWhiteSpaceAndLineBreaksAtTheEndsOnly) {
    const std::pair<const char*, const char*> rows[] = {
        {"  London  ", "London"},
        {"\t\n\r\v\fLondon\t\n", "London"},
        {"\xC2\x85\xC2\xA0London\xE2\x80\xA8\xE2\x80\xA9\xE3\x80\x80", "London"}, // NEL, NBSP, LS, PS, ideographic
        {" New  York ", "New  York"},
        {"   ", ""},
        {"\xE2\x80\x8BLondon", "\xE2\x80\x8BLondon"}, // zero-width space is Cf, not white space
        {"", ""},
        {" \xFF ", "\xFF"}, // ill-formed bytes are never trimmed away or merged
        {"\xC3", "\xC3"},
    };
    for (const auto& [in, out] : rows) {
        EXPECT_EQ(text::trimmed(in), out) << in;
    }
}

TEST(Text, ControlScalarsAreCcAndCf) {
    for (const char* bad :
         {"a\tb", "a\nb", "a\x7F", "a\u00ADb", "a\u200Db", "\u200E", "\u200F", "\uFEFF", "\xC2\x9F", "\xFF"}) {
        EXPECT_TRUE(text::containsControlScalar(bad)) << bad;
    }
    for (const char* good : {"London", "S\xC3\xA3o Paulo", "\xF0\x9F\x87\xAC\xF0\x9F\x87\xA7", "a b", ""}) {
        EXPECT_FALSE(text::containsControlScalar(good)) << good;
    }
}

TEST(Text, LowerCasingIsFullAndLocaleIndependent) {
    EXPECT_EQ(text::lowercased("VPN.Example.COM"), "vpn.example.com");
    EXPECT_EQ(text::lowercased("\xC3\x89"), "\xC3\xA9");  // É -> é
    EXPECT_EQ(text::lowercased("I"), "i");                // not the Turkish dotless ı
    EXPECT_EQ(text::lowercased("\xC4\xB0"), "i\xCC\x87"); // İ -> i + combining dot (full mapping)
    EXPECT_EQ(text::lowercased("ABC\xFF"), "ABC\xFF");    // ill-formed text is left alone
}

TEST(Text, CanonicalEquivalence) {
    EXPECT_TRUE(text::canonicallyEqual("caf\xC3\xA9", "cafe\xCC\x81"));
    EXPECT_TRUE(text::canonicallyEqual("cafe\xCC\x81", "caf\xC3\xA9"));
    EXPECT_TRUE(text::canonicallyEqual("", ""));
    EXPECT_FALSE(text::canonicallyEqual("cafe", "caf\xC3\xA9"));
    EXPECT_FALSE(text::canonicallyEqual("London", "london"));
    // Compatibility forms are not canonical equivalents.
    EXPECT_FALSE(text::canonicallyEqual("\xEF\xAC\x81", "fi"));
    EXPECT_FALSE(text::canonicallyEqual("\xFF", "\xFE"));
}

TEST(Text, Utf8Validity) {
    for (const char* good : {"", "abc", "\xC3\xA9", "\xF0\x9F\x87\xAC", "\xEF\xBF\xBF"}) {
        EXPECT_TRUE(text::isValidUtf8(good)) << good;
    }
    for (const char* bad : {"\xFF", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80"}) {
        EXPECT_FALSE(text::isValidUtf8(bad)) << bad;
    }
}
