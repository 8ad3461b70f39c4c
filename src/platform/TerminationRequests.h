#pragma once

#include <QObject>

class QSocketNotifier;

namespace vantorel {

// SIGTERM (a logout, a service manager), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal
// going away), turned into a signal on the event loop, so that they end the program the way "Quit"
// does rather than in the middle of a change. One object at a time; the signals' default actions
// come back when it goes.
class TerminationRequests final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminationRequests)

public:
    explicit TerminationRequests(QObject* parent = nullptr);
    ~TerminationRequests() override;

signals:
    void received();

private:
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace vantorel
