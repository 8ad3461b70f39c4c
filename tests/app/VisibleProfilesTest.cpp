#include "support/ModelFixture.h"

using namespace vantorel;
using namespace vantorel::testing;

using Names = std::vector<std::string>;
using VisibleProfilesTest = ModelFixture;

// What the model adds to the core's search and name ordering: which texts are searched, the
// favourites filter, and favourites ahead of the rest.
TEST_F(VisibleProfilesTest, FavouritesFirstThenByNameAmongThoseFilteredAndFound) {
    // Stored in this order; favourites marked with a leading '*'.
    const std::pair<const char*, const char*> stored[] = {
        {"Paris", "Texas"},  {"*Z\xC3\xBCrich", "Switzerland"}, {"berlin", "Germany"},
        {"PARIS", "France"}, {"*amsterdam", "Netherlands"},     {"Athens", "Greece"},
    };
    ProfileLibrary library;
    for (const auto& [name, country] : stored) {
        VPNProfile profile = sampleProfile(name[0] == '*' ? name + 1 : name);
        profile.country = country;
        profile.favorite = name[0] == '*';
        library.profiles.push_back(profile);
    }
    writeDocument(library);
    AppModel& model = startModel();

    struct Row {
        const char* query;
        bool favoritesOnly;
        Names expected;
    };
    const Row rows[] = {
        {"", false, {"amsterdam", "Z\xC3\xBCrich", "Athens", "berlin", "Paris", "PARIS"}}, // equal names: stored order
        {"", true, {"amsterdam", "Z\xC3\xBCrich"}},
        {"th", true, {"amsterdam"}},            // Athens has "th" too: the filter and the search together
        {"s F", false, {"PARIS"}},              // name and country are searched as one text
        {"\xC3\xBC", false, {"Z\xC3\xBCrich"}}, // the query reaches the search as UTF-8
        {"  ", false, {}},                      // and as typed: two spaces are not trimmed away
        {"provider", false, {}},                // the server is not searched
        {"customer", false, {}},                // nor the user name
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("'") + row.query + (row.favoritesOnly ? "', favourites" : "'"));
        model.setQuery(row.query);
        model.setFavoritesOnly(row.favoritesOnly);
        EXPECT_EQ(names(model.visibleProfiles()), row.expected);
    }
    // A changed library is sorted again: a new favourite moves ahead.
    model.setQuery("");
    model.setFavoritesOnly(true);
    model.favorite(model.library().profiles[5]);
    EXPECT_EQ(names(model.visibleProfiles()), (Names{"amsterdam", "Athens", "Z\xC3\xBCrich"}));

    // Equal names keep their stored order also past the sixteen locations below which a plain
    // sort happens to keep it too.
    library.profiles.clear();
    for (int i = 0; i < 40; ++i) {
        library.profiles.push_back(sampleProfile(i % 2 == 0 ? "Paris" : "paris"));
    }
    writeDocument(library);
    EXPECT_TRUE(
        std::ranges::equal(startModel().visibleProfiles(), library.profiles, {}, &VPNProfile::id, &VPNProfile::id));
}
