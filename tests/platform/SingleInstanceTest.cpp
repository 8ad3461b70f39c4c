// Two real processes for one user, on a private session bus and, without one, through the runtime
// folder: the second start hands over to the first and leaves the library alone. And the
// protection of the process's memory.
#include "platform/SingleInstance.h"

#include "platform/ProcessProtection.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vantorel::testing;

namespace {

QString lineFrom(QProcess& process, int timeoutMs = 10000) {
    if (!process.canReadLine()) {
        process.waitForReadyRead(timeoutMs);
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

QString run(const char* program, const QStringList& arguments = {}) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    EXPECT_TRUE(process.waitForFinished(10000));
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

// Without a session bus, a copy holding the claim that closes a request unanswered is either on its
// way out (it closed its socket before letting the lock go) or a copy from before requests were
// answered. The start that knocked takes the claim from the first, so that a copy keeps running, and
// leaves the second be without knocking again, so that nothing is opened twice.
TEST(SingleInstance, ARequestClosedUnansweredIsNeitherLostNorRepeated) {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        GTEST_SKIP() << "the claim is on the session bus";
    }
    const QString base = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
                             .filePath(QString::fromLatin1(vantorel::SingleInstance::serviceName));
    const QByteArray name = QFile::encodeName(base);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(name.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));

    const struct {
        const char* holder;
        bool letsTheLockGo;
        const char* second;
    } cases[] = {
        {"on its way out", true, "first"},
        {"from before answers", false, "handed over"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.holder);
        // The holder, as another copy finds it: the lock, and the socket beside it.
        QLockFile lock(base + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.tryLock());
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(listener, 4), 0);
        const auto leave = [&] {
            ::close(listener);
            ::unlink(name.constData());
            lock.unlock();
        };

        QProcess second;
        second.start(QString::fromUtf8(VANTOREL_PROBE), {QStringLiteral("--once")});
        // Once its request is here, the second start has found the lock held and knocked.
        pollfd knock{listener, POLLIN, 0};
        ASSERT_EQ(::poll(&knock, 1, 10000), 1);
        const int peer = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        ASSERT_GE(peer, 0);
        char chunk[256];
        while (::read(peer, chunk, sizeof chunk) > 0) {
        }
        ::close(peer);
        if (c.letsTheLockGo) {
            leave();
        }
        EXPECT_EQ(lineFrom(second), c.second);
        ASSERT_TRUE(second.waitForFinished(5000));
        if (!c.letsTheLockGo) {
            pollfd again{listener, POLLIN, 0};
            EXPECT_EQ(::poll(&again, 1, 0), 0) << "the request came twice";
            leave();
        }
    }
}

// `vantorel FILE` with a copy running: the file goes to that copy, named from where it was typed.
TEST(SingleInstance, AFileGivenToASecondStartOpensInTheFirst) {
    QProcess first;
    first.start(QString::fromUtf8(VANTOREL_PROBE));
    ASSERT_EQ(lineFrom(first), "first");

    TempDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    second.start(QString::fromUtf8(VANTOREL_APP), {QStringLiteral("provider profile.sswan")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(lineFrom(first), "activated");
    EXPECT_EQ(lineFrom(first).toStdString(), "open " + (folder.path() / "provider profile.sswan").string());
    first.waitForFinished(5000);
}

TEST(SingleInstance, TheAppItselfStartsOnceAndLeavesTheLibraryAlone) {
    TempDir data;
    const auto document = data.path() / "Vantorel" / "locations-v1.json";
    std::filesystem::create_directories(document.parent_path());
    const std::string bytes =
        R"({"profiles":[],"schemaVersion":1,"settings":{"allowLocalNetwork":true,"disconnectOnSleep":false}})";
    writeFile(document, bytes);
    const auto written = std::filesystem::last_write_time(document);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(data.path().string()));
    QProcess app;
    app.setProcessEnvironment(environment);
    app.start(QString::fromUtf8(VANTOREL_APP));
    ASSERT_TRUE(app.waitForStarted());
    // Ready once it holds the claim: a probe then hands over to it (which asks it to come forward).
    // A probe that comes first holds the claim for a moment while the app starts; the app then waits
    // for it to leave rather than handing over to it.
    const QDeadlineTimer ready(10000);
    while (run(VANTOREL_PROBE, {"--once"}) != "handed over") {
        ASSERT_FALSE(ready.hasExpired()) << "the app never claimed its single instance";
        QThread::msleep(50);
    }

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QString::fromUtf8(VANTOREL_APP));
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(app.state(), QProcess::Running) << "the first copy goes on";
    EXPECT_EQ(readFile(document), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(document), written);
    app.terminate();
    app.waitForFinished(5000);
}

// The app marks itself first thing; a process so marked leaves no core file and cannot be read
// through ptrace or /proc by the user's other processes.
TEST(ProcessProtection, TakesEffect) {
    EXPECT_FALSE(vantorel::processMemoryProtected());
    vantorel::protectProcessMemory();
    EXPECT_TRUE(vantorel::processMemoryProtected());
}
