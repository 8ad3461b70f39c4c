#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;
class QTimer;
struct _GPollFD;

namespace vantorel {

// Runs GLib's default main context from Qt's event loop, for when Qt's own dispatcher is not GLib's
// (QT_NO_GLIB=1): watches the context's descriptors and its next timeout with Qt's notifiers and a
// timer, and dispatches what is ready, without ever blocking. Under Qt's GLib dispatcher the
// context is Qt's loop already and no pump is needed.
class GLibContextPump final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GLibContextPump)

public:
    GLibContextPump();
    ~GLibContextPump() override;

private:
    // One GLib iteration that polls without waiting, then the watches for what comes next.
    void iterate();
    void watch(const std::vector<_GPollFD>& descriptors, int timeoutMs);

    std::map<std::pair<int, bool>, std::unique_ptr<QSocketNotifier>> m_notifiers; // (fd, writing)
    QTimer* m_timer;
    bool m_acquired = false;
};

} // namespace vantorel
