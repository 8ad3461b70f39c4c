#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QDeadlineTimer;
class QLockFile;
class QSocketNotifier;

namespace vantorel {

// One running copy of the app per user: two copies would each keep their own library in memory,
// and the later save would overwrite what the other had added. The first copy owns the well-known
// name on the D-Bus session bus (or, without a session bus, a lock file and a local socket in
// $XDG_RUNTIME_DIR); a later copy asks it to come forward and exits.
class SingleInstance final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    static constexpr const char* serviceName = "org.vantorel.Vantorel";
    static constexpr const char* objectPath = "/org/vantorel/Vantorel";

    enum class Claim {
        first,      // this process is the one instance; activationRequested tells when to come forward
        handedOver, // another instance was running and has been asked to come forward
        unchecked,  // neither a session bus nor a runtime folder: no way to tell, so run as if first
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // With `activate` false, a running instance is found but not asked to come forward. A `file`
    // (an absolute path) goes to the running instance to open.
    Claim claim(bool activate = true, const QString& file = {});

signals:
    // Another start of the app asked this one to show itself.
    void activationRequested();
    // Another start of the app, or the desktop, asked this one to open a file (an absolute path).
    void fileOpenRequested(const QString& file);

private:
    Claim claimOnSessionBus(bool activate, const QString& file);
    Claim claimWithSocket(const QString& runtimeFolder, bool activate, const QString& file);

    void listenAt(const QString& path);
    void acceptPeers();
    // What became of a request sent to the copy that holds the lock.
    enum class Knock {
        taken,      // it answered, or it is alive but busy and will read the request later
        unheard,    // nothing listens (not yet, or no longer): the request went nowhere
        unanswered, // it closed the connection unanswered: on its way out, or a copy from before answers
    };
    static Knock knockAt(const QString& path, const QString& file, const QDeadlineTimer& deadline);

    std::unique_ptr<QLockFile> m_lock;
    int m_socket = -1;
    QByteArray m_socketPath;
    QSocketNotifier* m_notifier = nullptr;
    bool m_registered = false;
};

} // namespace vantorel
