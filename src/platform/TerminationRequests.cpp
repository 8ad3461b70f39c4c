#include "TerminationRequests.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vantorel {
namespace {

constexpr std::array handled{SIGTERM, SIGINT, SIGHUP};

// The write end, for the handler: a byte written is all a signal handler may safely do here.
volatile sig_atomic_t writeEnd = -1;

void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // Non-blocking: with the pipe full, the event loop has a byte to wake for already.
    [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

TerminationRequests::TerminationRequests(QObject* parent) : QObject(parent) {
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(m_pipe[0], bytes, sizeof bytes) > 0) {
        }
        emit received();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : handled) {
        ::sigaction(signal, &action, nullptr);
    }
}

TerminationRequests::~TerminationRequests() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : handled) {
        ::sigaction(signal, &action, nullptr);
    }
    writeEnd = -1;
    for (const int fd : m_pipe) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

} // namespace vantorel
