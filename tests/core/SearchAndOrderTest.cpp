#include "core/NameCollator.h"
#include "core/Text.h"

#include <gtest/gtest.h>

using namespace vantorel;

TEST(Search, CaselessContainment) {
    struct Row {
        const char* haystack;
        const char* needle;
        bool found;
    };
    const Row rows[] = {
        {"Paris France", "paris", true},
        {"Paris France", "PARIS FRANCE", true},
        {"Paris France", "s F", true},
        {"Paris France", "", true},
        {"Paris France", " ", true},
        {"Paris France", "  ", false}, // untrimmed: two spaces are not in the text
        {"Paris France", "Lyon", false},
        {"Stra\xC3\x9F"
         "e Deutschland",
         "STRASSE", true},                                // full folding: ß = ss
        {"\xC3\x89vora Portugal", "e\xCC\x81vora", true}, // precomposed text, decomposed query
        {"E\xCC\x81vora Portugal", "\xC3\xA9vora", true}, // decomposed text, precomposed query
        {"\xC3\x89vora Portugal", "evora", false},        // accent-sensitive
        {"Caf\xC3\xA9 Paris", "cafe", false},             // would end inside "é"
        {"Caf\xC3\xA9 Paris", "caf\xC3\xA9", true},
        {"Cafe\xCC\x81 Paris", "\xCC\x81", false}, // would start inside "é"
        {"\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1 Bulgaria", "\xCF\x83\xCE\xBF\xCF\x86", true}, // Σοφία / σοφ
        {"\xE6\x9D\xB1\xE4\xBA\xAC Japan", "\xE4\xBA\xAC", true},                                // 東京 / 京
        {"Paris \xFF", "paris", false}, // ill-formed text matches nothing
    };
    for (const auto& row : rows) {
        EXPECT_EQ(text::caselessContains(row.haystack, row.needle), row.found)
            << "'" << row.needle << "' in '" << row.haystack << "'";
    }
}

TEST(Search, NameOrdering) {
    const NameCollator collator("en_US");
    EXPECT_TRUE(collator.less("Server 2", "Server 10")); // runs of digits by value
    // Case-insensitive: neither comes first, so equal names keep their order. Accent-sensitive: é
    // after e.
    EXPECT_FALSE(collator.less("paris", "Paris"));
    EXPECT_FALSE(collator.less("Paris", "paris"));
    EXPECT_TRUE(collator.less("Cafe", "Caf\xC3\xA9"));
    EXPECT_TRUE(collator.less("a", "B"));

    // An unknown locale name still orders by the root collation.
    const NameCollator fallback("xx_NOT_A_LOCALE");
    EXPECT_TRUE(fallback.less("Server 2", "Server 10"));
}
