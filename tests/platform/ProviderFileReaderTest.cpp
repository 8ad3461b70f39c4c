// The reader of providers' files against helpers that misbehave: each way a helper can fail gives its
// sentence, on a later turn, and leaves no process behind, neither running nor unreaped.
#include "platform/ProviderFileReader.h"

#include "support/TempDir.h"

#include <QTest>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>

using namespace vantorel;
using namespace vantorel::testing;
using namespace std::chrono_literals;

namespace {

QString sentence(ImportProblem problem) {
    return QString::fromUtf8(importFailure(problem).description());
}

TEST(ProviderFileReader, AHelperThatFailsIsKilledReapedAndNamed) {
    TempDir folder;
    const auto pidFile = folder.path() / "helper.pid";
    qputenv("HELPER_PID_FILE", QByteArray::fromStdString(pidFile.string()));
    struct Row {
        const char* what;
        const char* script; // run by /bin/sh; "$1" is the file to read
        ImportProblem problem;
    };
    const Row rows[] = {
        {"never answers", "exec sleep 60", ImportProblem::damaged},
        {"dies half-way through its answer", "printf '\\000\\001\\003\\000'; kill -9 $$", ImportProblem::damaged},
        {"answers more than any file could give", "exec head -c 20000000 /dev/zero", ImportProblem::damaged},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const auto helper = folder.path() / "helper";
        writeFile(helper, std::string("#!/bin/sh\necho $$ > \"$HELPER_PID_FILE\"\n") + row.script + "\n");
        std::filesystem::permissions(helper, std::filesystem::perms::owner_all);
        std::filesystem::remove(pidFile);

        ProviderFileReader reader(helper, 500ms);
        std::optional<ProviderFileReader::Result> result;
        const auto started = std::chrono::steady_clock::now();
        reader.read(folder.path() / "provider.sswan",
                    [&](ProviderFileReader::Result read) { result = std::move(read); });
        EXPECT_FALSE(result) << "answered from inside read()";
        ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 5000));
        EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
        ASSERT_FALSE(*result);
        EXPECT_EQ(QString::fromUtf8(result->error().description()), sentence(row.problem));
        // Gone, and collected: a zombie would still take signals' checks.
        const pid_t pid = std::stoi(readFile(pidFile));
        EXPECT_TRUE(QTest::qWaitFor([&] { return ::kill(pid, 0) != 0; }, 2000)) << "helper " << pid << " left behind";
    }

    ProviderFileReader missing(folder.path() / "no-such-helper");
    std::optional<ProviderFileReader::Result> result;
    missing.read(folder.path() / "provider.sswan", [&](ProviderFileReader::Result read) { result = std::move(read); });
    EXPECT_FALSE(result);
    ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 2000));
    EXPECT_EQ(QString::fromUtf8(result->error().description()), sentence(ImportProblem::unreadable));
}

} // namespace
