#include "support/ModelFixture.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

class VisibleProfilesTest : public ModelFixture {
protected:
    // Stored in this order; favourites marked with a leading '*'.
    AppModel& startWith(std::initializer_list<std::pair<const char*, const char*>> entries) {
        ProfileLibrary library;
        for (const auto& [name, country] : entries) {
            VPNProfile profile = sampleProfile(name[0] == '*' ? name + 1 : name);
            profile.country = country;
            profile.favorite = name[0] == '*';
            library.profiles.push_back(profile);
        }
        writeDocument(library);
        return startModel();
    }

    std::vector<std::string> visible() const { return names(m_model->visibleProfiles()); }
    std::vector<std::string> search(const QString& query) const {
        m_model->setQuery(query);
        return visible();
    }
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(VisibleProfilesTest, FavouritesFirstThenNameOrder) {
    startWith({{"Server 10", "NL"},
               {"berlin", "DE"},
               {"*Zurich", "CH"},
               {"Server 2", "NL"},
               {"*amsterdam", "NL"},
               {"Athens", "GR"}});
    EXPECT_EQ(visible(), (Names{"amsterdam", "Zurich", "Athens", "berlin", "Server 2", "Server 10"}));

    m_model->setFavoritesOnly(true);
    EXPECT_EQ(visible(), (Names{"amsterdam", "Zurich"}));
}

TEST_F(VisibleProfilesTest, EqualNamesKeepStoredOrder) {
    AppModel& model = startWith({{"Paris", "France"}, {"paris", "Texas"}, {"PARIS", "Ontario"}});
    std::vector<std::string> countries;
    for (const auto& profile : model.visibleProfiles()) {
        countries.push_back(profile.country);
    }
    EXPECT_EQ(countries, (Names{"France", "Texas", "Ontario"}));
    // The favourites filter with no favourites shows nothing.
    model.setFavoritesOnly(true);
    EXPECT_EQ(visible(), Names{});
}

TEST_F(VisibleProfilesTest, SearchCoversNameAndCountryOnly) {
    startWith({{"Paris", "France"}, {"London", "United Kingdom"}, {"Z\xC3\xBCrich", "Switzerland"}});
    EXPECT_EQ(search("paris"), (Names{"Paris"}));
    EXPECT_EQ(search("Paris France"), (Names{"Paris"}));
    EXPECT_EQ(search("s f"), (Names{"Paris"}));
    EXPECT_EQ(search("united"), (Names{"London"}));
    EXPECT_EQ(search("Z\xC3\x9C"), (Names{"Z\xC3\xBCrich"}));
    EXPECT_EQ(search("zurich"), Names{});                                // accent-sensitive
    EXPECT_EQ(search("uk.provider.example"), Names{});                   // the server is not searched
    EXPECT_EQ(search("customer"), Names{});                              // nor the user name
    EXPECT_EQ(search(" "), (Names{"London", "Paris", "Z\xC3\xBCrich"})); // one space is a real query
    EXPECT_EQ(search("  "), Names{});
    EXPECT_EQ(search(""), (Names{"London", "Paris", "Z\xC3\xBCrich"}));
}
