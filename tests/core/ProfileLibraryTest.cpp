#include "core/ProfileLibrary.h"

#include "support/TestProfiles.h"

#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::sampleProfile;

namespace {

ProfileLibrary libraryOf(std::size_t count) {
    ProfileLibrary library;
    for (std::size_t i = 0; i < count; ++i) {
        library.profiles.push_back(sampleProfile("Location " + std::to_string(i)));
    }
    return library;
}

std::optional<VPNFailure> failureOf(const ProfileLibrary& library) {
    const auto result = library.validated();
    if (result) {
        EXPECT_EQ(*result, library); // a successful check returns its input
        return std::nullopt;
    }
    return result.error();
}

const auto storage = VPNFailure::storageUnavailable();

} // namespace

TEST(ProfileLibrary, Selection) {
    EXPECT_EQ(failureOf(ProfileLibrary{}), std::nullopt);
    ProfileLibrary library = libraryOf(3);
    EXPECT_EQ(library.selected(), std::nullopt); // nothing selected, even with locations
    library.selectedID = library.profiles[1].id;
    EXPECT_EQ(library.selected(), library.profiles[1]);
    library.selectedID = Uuid::random();
    EXPECT_EQ(library.selected(), std::nullopt);
}

TEST(ProfileLibrary, LibraryLevelRules) {
    EXPECT_EQ(failureOf(libraryOf(200)), std::nullopt);

    // 201 profiles fail before any profile is looked at, even an invalid one.
    ProfileLibrary tooMany = libraryOf(201);
    tooMany.profiles[0].name = "";
    EXPECT_EQ(failureOf(tooMany), storage);

    ProfileLibrary version = libraryOf(1);
    version.schemaVersion = 2;
    EXPECT_EQ(failureOf(version), storage);
    version.schemaVersion = 0;
    EXPECT_EQ(failureOf(version), storage);

    ProfileLibrary sameId = libraryOf(2);
    sameId.profiles[1].id = sameId.profiles[0].id;
    EXPECT_EQ(failureOf(sameId), storage);

    ProfileLibrary sameCredential = libraryOf(2);
    sameCredential.profiles[1].credentialID = sameCredential.profiles[0].credentialID;
    EXPECT_EQ(failureOf(sameCredential), storage);

    // An id and a credentialID are separate namespaces.
    ProfileLibrary crossed = libraryOf(2);
    crossed.profiles[0].credentialID = crossed.profiles[0].id;
    EXPECT_EQ(failureOf(crossed), std::nullopt);

    ProfileLibrary dangling = libraryOf(2);
    dangling.selectedID = Uuid::random();
    EXPECT_EQ(failureOf(dangling), storage);
    EXPECT_TRUE(dangling.selectedID); // not cleared
}

TEST(ProfileLibrary, ProfileRules) {
    // The first invalid profile decides the message.
    ProfileLibrary library = libraryOf(3);
    library.profiles[1].name = "";
    library.profiles[2].server = "nodot";
    EXPECT_EQ(failureOf(library), VPNFailure::invalid(std::string(messages::nameAndCountry)));

    // A stored profile that normalisation would change is damage, not an invalid field.
    ProfileLibrary upper = libraryOf(1);
    upper.profiles[0].server = "UK.provider.example";
    EXPECT_EQ(failureOf(upper), storage);
    ProfileLibrary spaced = libraryOf(1);
    spaced.profiles[0].name = "London ";
    EXPECT_EQ(failureOf(spaced), storage);

    // Decomposed text is canonically equal to its normalised copy, so it is not damage.
    ProfileLibrary decomposed = libraryOf(1);
    decomposed.profiles[0].name = "Cafe\xCC\x81";
    EXPECT_EQ(failureOf(decomposed), std::nullopt);
}
