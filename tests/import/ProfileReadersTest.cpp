// What each provider's file gives: its locations, or the one reason it gives none. The files are
// the profile fuzzer's seed corpus; profile-outcomes.tsv says what each must give.
#include "ProfileProperties.h"
#include "import/ProfileFormats.h"
#include "support/FuzzInputs.h"
#include "support/TempDir.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

using namespace vantorel;
using namespace vantorel::testing;

namespace vantorel {

void PrintTo(const ProviderFileReading& reading, std::ostream* out) {
    if (!reading) {
        *out << "failure " << int(reading.error());
        return;
    }
    *out << (reading->carriesAuthority ? "with authority" : "without authority");
    for (const auto& location : reading->locations) {
        *out << " [" << location.name << "|" << location.server << "|" << location.identity << "|" << location.username
             << "|" << location.password.view() << "]";
    }
}

} // namespace vantorel

namespace {

const std::filesystem::path corpus = std::filesystem::path(VANTOREL_FUZZ_DIR) / "corpus" / "profile";

// A line of the outcomes file: "<file> <reason>", or "<file> entries <authority 0|1> <JSON array
// of [name, server, identity, username, password]>", tab-separated.
ProviderFileReading expectedOutcome(const std::string& line) {
    std::vector<std::string> columns;
    std::stringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) {
        columns.push_back(cell);
    }
    if (columns.at(1) != "entries") {
        const std::map<std::string, ImportProblem> reasons{{"notRegularFile", ImportProblem::notRegularFile},
                                                           {"tooLarge", ImportProblem::tooLarge},
                                                           {"unreadable", ImportProblem::unreadable},
                                                           {"otherFormat", ImportProblem::otherFormat},
                                                           {"damaged", ImportProblem::damaged},
                                                           {"noIkev2", ImportProblem::noIkev2},
                                                           {"notUserPassword", ImportProblem::notUserPassword},
                                                           {"encrypted", ImportProblem::encrypted},
                                                           {"alteredAfterSigning", ImportProblem::alteredAfterSigning}};
        return std::unexpected(reasons.at(columns.at(1)));
    }
    ProviderFile file;
    file.carriesAuthority = columns.at(2) == "1";
    for (const auto& entry : nlohmann::json::parse(columns.at(3))) {
        file.locations.push_back({entry[0], entry[1], entry[2], entry[3], SecretText(entry[4].get<std::string>())});
    }
    return file;
}

} // namespace

TEST(ProfileReaders, EveryFileGivesItsLocationsOrItsReason) {
    std::ifstream outcomes(VANTOREL_OUTCOMES);
    std::size_t listed = 0;
    for (std::string line; std::getline(outcomes, line);) {
        const std::string name = line.substr(0, line.find('\t'));
        EXPECT_EQ(readProviderFile(readFile(corpus / name)), expectedOutcome(line)) << name;
        ++listed;
    }
    EXPECT_EQ(listed, std::ranges::distance(std::filesystem::directory_iterator(corpus)))
        << "every file of the corpus has its outcome";
}

TEST(ProfileReaders, WhatIsNotAProfileFileIsRefusedUnread) {
    TempDir folder;
    const auto path = [&](const char* name) {
        return (folder.path() / name).string();
    };
    const std::string largest(maximumProviderFileSize, ' ');
    writeFile(path("largest"), largest);
    writeFile(path("too-large"), largest + " ");
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(path("folder"));
    std::filesystem::create_symlink(corpus / "sswan-eap-with-remote-id.sswan", path("link.sswan"));
    const struct {
        std::string path;
        std::optional<ImportProblem> problem;
    } cases[] = {
        {path("largest"), std::nullopt}, // read, and then found to be white space only
        {path("too-large"), ImportProblem::tooLarge},
        {path("fifo"), ImportProblem::notRegularFile}, // without waiting for a writer
        {path("folder"), ImportProblem::notRegularFile},
        {"/dev/zero", ImportProblem::notRegularFile},
        {path("missing"), ImportProblem::unreadable},
        {path("link.sswan"), std::nullopt}, // a link to a profile is the profile
    };
    for (const auto& [file, problem] : cases) {
        const auto bytes = readProviderFileBytes(file.c_str());
        EXPECT_EQ(bytes ? std::nullopt : std::optional(bytes.error()), problem) << file;
    }
    EXPECT_EQ(readProviderFile(largest + " "), std::unexpected(ImportProblem::tooLarge));
}

TEST(ProfileReaders, EveryInputKeepsTheReadersPromises) {
    const auto files = fuzzInputs("profile");
    ASSERT_GE(files.size(), 40u);
    for (const auto& file : files) {
        EXPECT_EQ(fuzzing::checkProfile(readFile(file)), std::nullopt) << file.filename();
    }
}
