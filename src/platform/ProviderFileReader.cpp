#include "ProviderFileReader.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vantorel {
namespace {

// Far more than the largest answer a 1 MiB file can give.
constexpr std::size_t largestAnswer = 8 * maximumProviderFileSize;

// Appends to a buffer that holds a password: a buffer outgrown is wiped before it is given back,
// which std::string's own growth would not do.
void appendWiping(std::string& buffer, const char* bytes, std::size_t count) {
    if (buffer.size() + count > buffer.capacity()) {
        std::string grown;
        grown.reserve(std::max(2 * buffer.capacity(), buffer.size() + count));
        grown.append(buffer);
        wipeString(buffer);
        buffer = std::move(grown);
    }
    buffer.append(bytes, count);
}

} // namespace

std::filesystem::path ProviderFileReader::installedHelper() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "libexec" / "vantorel" /
           "vantorel-read-profile";
}

ProviderFileReader::ProviderFileReader(std::filesystem::path helper, std::chrono::milliseconds deadline,
                                       QObject* parent)
    : QObject(parent), m_helper(std::move(helper)), m_deadline(new QTimer(this)) {
    m_deadline->setSingleShot(true);
    m_deadline->setInterval(deadline);
    connect(m_deadline, &QTimer::timeout, this,
            [this] { finish(std::unexpected(importFailure(ImportProblem::damaged))); });
}

ProviderFileReader::~ProviderFileReader() {
    stop();
}

void ProviderFileReader::read(const std::filesystem::path& file, Done done) {
    stop();
    m_done = std::move(done);
    std::array<int, 2> pipe{};
    if (::pipe2(pipe.data(), O_CLOEXEC) != 0) {
        failLater();
        return;
    }
    // The helper's standard output is the pipe and its input nothing; every other descriptor of
    // this process is close-on-exec. Signals reach it as they would a fresh process.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::string helper = m_helper.string();
    std::string path = file.string();
    std::array<char*, 3> arguments{helper.data(), path.data(), nullptr};
    pid_t child = -1;
    const int spawned = ::posix_spawn(&child, helper.c_str(), &actions, &attributes, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pipe[1]);
    if (spawned != 0) {
        ::close(pipe[0]);
        failLater();
        return;
    }
    m_child = child;
    m_pipe = pipe[0];
    ::fcntl(m_pipe, F_SETFL, ::fcntl(m_pipe, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(m_pipe, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ProviderFileReader::readPipe);
    m_deadline->start();
}

void ProviderFileReader::failLater() {
    QTimer::singleShot(0, this, [this] { finish(std::unexpected(importFailure(ImportProblem::unreadable))); });
}

void ProviderFileReader::readPipe() {
    std::array<char, 16 * 1024> chunk{};
    for (;;) {
        const ssize_t count = ::read(m_pipe, chunk.data(), chunk.size());
        if (count > 0) {
            if (m_received.size() + std::size_t(count) > largestAnswer) {
                break; // not an answer the helper would give
            }
            appendWiping(m_received, chunk.data(), std::size_t(count));
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            ::explicit_bzero(chunk.data(), chunk.size());
            return; // more to come
        }
        break; // the helper closed its end: it has said everything
    }
    ::explicit_bzero(chunk.data(), chunk.size());
    // A helper that crashed or was killed may have written part of an answer, which decoding
    // refuses; a file that breaks the reader is a damaged file.
    auto reading = decodeReading(m_received);
    wipeString(m_received);
    if (!reading) {
        finish(std::unexpected(importFailure(ImportProblem::damaged)));
    } else if (!*reading) {
        finish(std::unexpected(importFailure(reading->error())));
    } else {
        finish(std::move(**reading));
    }
}

void ProviderFileReader::finish(Result result) {
    stop();
    if (Done done = std::exchange(m_done, nullptr)) {
        done(std::move(result));
    }
}

void ProviderFileReader::stop() {
    m_deadline->stop();
    if (m_notifier != nullptr) {
        // This may run inside the notifier's own signal.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_pipe >= 0) {
        ::close(m_pipe);
        m_pipe = -1;
    }
    endChild();
    wipeString(m_received);
}

void ProviderFileReader::endChild() {
    if (m_child <= 0) {
        return;
    }
    // The helper has closed its output or is of no more use. Killed, it goes at once, but not
    // within this call: its exit is collected when the kernel says it has gone (a descriptor for the
    // process, on Linux), so that it is not left behind as a zombie and nothing waits for it here.
    const pid_t child = std::exchange(m_child, -1);
    ::kill(child, SIGKILL);
    const auto reap = [child] {
        return ::waitpid(child, nullptr, WNOHANG) != 0;
    };
    if (reap()) {
        return;
    }
#ifdef SYS_pidfd_open
    if (const int process = int(::syscall(SYS_pidfd_open, child, 0)); process >= 0) {
        auto* gone = new QSocketNotifier(process, QSocketNotifier::Read, this);
        connect(gone, &QSocketNotifier::activated, this, [gone, process, reap] {
            reap();
            gone->setEnabled(false);
            gone->deleteLater();
            ::close(process);
        });
        return;
    }
#endif
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [poll, reap] {
        if (reap()) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

} // namespace vantorel
