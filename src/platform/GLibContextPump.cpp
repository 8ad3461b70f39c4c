#include "GLibContextPump.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QTimer>
#include <glib.h>
#include <poll.h>

namespace vantorel {

// The context stays acquired by this thread: GLib wakes a context only when another thread owns it,
// so that is what makes a source attached by GDBus's worker thread reach the descriptors watched
// here. A source attached on this thread wakes nothing; the pump looks again whenever Qt's loop is
// about to wait.
GLibContextPump::GLibContextPump() : m_timer(new QTimer(this)) {
    m_acquired = g_main_context_acquire(g_main_context_default());
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &GLibContextPump::iterate);
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &GLibContextPump::iterate);
    }
    iterate();
}

GLibContextPump::~GLibContextPump() {
    if (m_acquired) {
        g_main_context_release(g_main_context_default());
    }
}

void GLibContextPump::iterate() {
    GMainContext* context = g_main_context_default();
    if (!m_acquired) {
        return;
    }
    std::vector<GPollFD> descriptors(8);
    gint count = 0;
    gint timeout = -1;
    // Dispatches until nothing is ready, with a bound so that a source that is always ready cannot
    // keep Qt's own events waiting; the timer brings the pump back at once then.
    bool ready = true;
    for (int round = 0; round < 64 && ready; ++round) {
        gint priority = 0;
        g_main_context_prepare(context, &priority);
        while ((count = g_main_context_query(context, priority, &timeout, descriptors.data(),
                                             static_cast<gint>(descriptors.size()))) >
               static_cast<gint>(descriptors.size())) {
            descriptors.resize(static_cast<std::size_t>(count));
        }
        // GLib's own poll on Linux: GPollFD and pollfd share their layout.
        ::poll(reinterpret_cast<pollfd*>(descriptors.data()), static_cast<nfds_t>(count), 0);
        ready = g_main_context_check(context, priority, descriptors.data(), count);
        if (ready) {
            g_main_context_dispatch(context);
        }
    }
    descriptors.resize(static_cast<std::size_t>(count));
    watch(descriptors, ready ? 0 : timeout);
}

void GLibContextPump::watch(const std::vector<GPollFD>& descriptors, int timeoutMs) {
    std::map<std::pair<int, bool>, std::unique_ptr<QSocketNotifier>> next;
    for (const GPollFD& descriptor : descriptors) {
        for (const bool writing : {false, true}) {
            const int events = writing ? G_IO_OUT : G_IO_IN | G_IO_PRI | G_IO_HUP | G_IO_ERR;
            if ((descriptor.events & events) == 0) {
                continue;
            }
            const std::pair key{descriptor.fd, writing};
            if (auto found = m_notifiers.find(key); found != m_notifiers.end()) {
                next.insert(m_notifiers.extract(found));
                continue;
            }
            auto notifier = std::make_unique<QSocketNotifier>(
                descriptor.fd, writing ? QSocketNotifier::Write : QSocketNotifier::Read, this);
            connect(notifier.get(), &QSocketNotifier::activated, this, &GLibContextPump::iterate);
            next.emplace(key, std::move(notifier));
        }
    }
    // A notifier may be the one whose signal is running: those no longer wanted go on a later turn.
    for (auto& [key, notifier] : m_notifiers) {
        notifier->setEnabled(false);
        notifier.release()->deleteLater();
    }
    m_notifiers = std::move(next);
    if (timeoutMs >= 0) {
        m_timer->start(timeoutMs);
    } else {
        m_timer->stop();
    }
}

} // namespace vantorel
