#include "core/ProfileLibrary.h"

#include "support/TestProfiles.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vantorel;
using vantorel::testing::libraryOf;

TEST(ProfileLibrary, Selection) {
    ProfileLibrary library = libraryOf(3);
    library.selectedID.reset();
    EXPECT_EQ(library.selected(), std::nullopt); // nothing selected, even with locations
    library.selectedID = library.profiles[1].id;
    EXPECT_EQ(library.selected(), library.profiles[1]);
    library.selectedID = Uuid::random();
    EXPECT_EQ(library.selected(), std::nullopt);
}

// A later or earlier version, a repeated id or credential, a dangling selection and a stored
// location that normalisation would change are in the seed corpus, refused.
TEST(ProfileLibrary, Rules) {
    const std::optional<VPNFailure> valid;
    const auto damaged = VPNFailure::storageUnavailable();
    struct Row {
        const char* what;
        std::size_t count;
        std::function<void(ProfileLibrary&)> change;
        std::optional<VPNFailure> expected;
    };
    const Row rows[] = {
        {"empty", 0, [](ProfileLibrary&) {}, valid},
        {"200 locations", 200, [](ProfileLibrary&) {}, valid},
        {"201 locations fail before any location is looked at", 201, [](ProfileLibrary& l) { l.profiles[0].name = ""; },
         damaged},
        {"ids and credentials are separate namespaces", 2,
         [](ProfileLibrary& l) { l.profiles[0].credentialID = l.profiles[0].id; }, valid},
        {"the first invalid location decides the message", 3,
         [](ProfileLibrary& l) {
             l.profiles[1].name = "";
             l.profiles[2].server = "nodot";
         },
         VPNFailure::invalid(std::string(messages::nameAndCountry))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ProfileLibrary library = libraryOf(row.count);
        row.change(library);
        const auto result = library.validated();
        EXPECT_EQ(result ? std::nullopt : std::optional(result.error()), row.expected);
        EXPECT_EQ(result.value_or(library), library); // a successful check returns its input
    }
}
