#include "SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QUrl>
#include <QVariantMap>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace vantorel {
namespace {

constexpr int handOverTimeoutMs = 3000;
// Between two tries at a copy that holds the lock but has not taken a request: it is about to listen
// or about to let the lock go, a matter of milliseconds.
constexpr std::chrono::milliseconds retryPause{10};
// What the running copy answers once it has read a request in full.
constexpr char requestTaken = '\n';
// A message on the fallback socket is a path at most; anything longer is not from a copy of the app.
constexpr qsizetype longestMessage = 64 * 1024;

// The freedesktop application interface on the well-known name: Activate brings the window
// forward, as a desktop's own launcher would ask.
class ApplicationAdaptor final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(SingleInstance& instance) : QObject(&instance), m_instance(instance) {}

public slots:
    void Activate(const QVariantMap&) { emit m_instance.activationRequested(); }
    void Open(const QStringList& uris, const QVariantMap&) {
        emit m_instance.activationRequested();
        for (const QString& uri : uris) {
            if (const QUrl url(uri); url.isLocalFile()) {
                emit m_instance.fileOpenRequested(url.toLocalFile());
            }
        }
    }
    void ActivateAction(const QString&, const QVariantList&, const QVariantMap&) {
        emit m_instance.activationRequested();
    }

private:
    SingleInstance& m_instance;
};

// The address of a socket at `name`, if the name fits.
std::optional<sockaddr_un> socketAddress(const QByteArray& name) {
    sockaddr_un address{};
    if (name.size() >= qsizetype(sizeof(address.sun_path))) {
        return std::nullopt;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return address;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (m_socket >= 0) {
        ::close(m_socket);
        ::unlink(m_socketPath.constData());
    }
    if (m_registered) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(QString::fromLatin1(serviceName));
        bus.unregisterObject(QString::fromLatin1(objectPath));
    }
}

SingleInstance::Claim SingleInstance::claim(bool activate, const QString& file) {
    if (QDBusConnection::sessionBus().isConnected()) {
        return claimOnSessionBus(activate, file);
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir(runtime).exists()) {
        return Claim::unchecked;
    }
    return claimWithSocket(runtime, activate, file);
}

SingleInstance::Claim SingleInstance::claimOnSessionBus(bool activate, const QString& file) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString name = QString::fromLatin1(serviceName);
    const QString path = QString::fromLatin1(objectPath);
    // The object is in place before the name is taken, so that no activation can find the name
    // without it.
    bus.registerObject(path, new ApplicationAdaptor(*this), QDBusConnection::ExportAllSlots);
    const auto reply = bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                                        QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_registered = true;
        return Claim::first;
    }
    bus.unregisterObject(path);
    const QString interface = QStringLiteral("org.freedesktop.Application");
    if (!file.isEmpty()) {
        // Opening a file always brings the running copy forward: the person is about to check it.
        QDBusMessage call = QDBusMessage::createMethodCall(name, path, interface, QStringLiteral("Open"));
        call << QStringList{QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)} << QVariantMap();
        bus.call(call, QDBus::Block, handOverTimeoutMs);
    } else if (activate) {
        QDBusMessage call = QDBusMessage::createMethodCall(name, path, interface, QStringLiteral("Activate"));
        call << QVariantMap();
        bus.call(call, QDBus::Block, handOverTimeoutMs);
    }
    return Claim::handedOver;
}

SingleInstance::Claim SingleInstance::claimWithSocket(const QString& runtimeFolder, bool activate,
                                                      const QString& file) {
    const QString base = QDir(runtimeFolder).filePath(QString::fromLatin1(serviceName));
    // The lock is held for the life of the process; a lock left by a process that died is taken over.
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    // The lock alone does not say that its holder will take a request: it may not be listening yet,
    // or it may have closed its socket on its way out and not yet let the lock go. Leaving then would
    // lose the request, or leave no copy running at all; so this start tries again until the holder
    // has the request or the lock is free. A request closed unanswered is not sent again, though: a
    // copy from before answers may have read it, and a file would be opened twice. A holder that
    // neither answers nor lets the lock go is left alone rather than risk two copies.
    const QDeadlineTimer deadline(handOverTimeoutMs);
    // A hidden start asks nothing of a running copy, so it has nothing to wait for.
    Knock knock = !activate && file.isEmpty() ? Knock::taken : Knock::unheard;
    while (!m_lock->tryLock()) {
        if (knock == Knock::unheard) {
            knock = knockAt(base, file, deadline);
        }
        if (knock == Knock::taken || deadline.hasExpired()) {
            m_lock.reset();
            return Claim::handedOver;
        }
        std::this_thread::sleep_for(retryPause);
    }
    listenAt(base);
    return Claim::first;
}

// A plain Unix socket rather than Qt's local server: Qt Network would bring Kerberos and proxy
// libraries into every start of the program for this one fallback.
void SingleInstance::listenAt(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const auto address = socketAddress(name);
    if (!address) {
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return;
    }
    ::unlink(name.constData()); // a socket left behind by a process that died; the lock is ours now
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return;
    }
    ::chmod(name.constData(), 0600);
    m_socket = fd;
    m_socketPath = name;
    m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptPeers);
}

// Every connection is a request to come forward, carrying the path of a file to open or nothing.
// Each is read as its bytes arrive, so a peer that connects and says nothing holds nothing up, and
// answered once read to its end, so that the start that sent it knows it may leave.
void SingleInstance::acceptPeers() {
    for (int peer = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK); peer >= 0;
         peer = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) {
        auto* notifier = new QSocketNotifier(qintptr(peer), QSocketNotifier::Read, this);
        auto message = std::make_shared<QByteArray>();
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier, peer, message] {
            char chunk[4096];
            ssize_t count = 0;
            while ((count = ::read(peer, chunk, sizeof chunk)) > 0 && message->size() <= longestMessage) {
                message->append(chunk, qsizetype(count));
            }
            if (count < 0 && (errno == EAGAIN || errno == EINTR) && message->size() <= longestMessage) {
                return; // the rest is on its way
            }
            notifier->setEnabled(false);
            notifier->deleteLater();
            const bool whole = count == 0 && message->size() <= longestMessage;
            if (whole) {
                ::send(peer, &requestTaken, 1, MSG_NOSIGNAL);
            }
            ::close(peer);
            emit activationRequested();
            if (whole && !message->isEmpty()) {
                emit fileOpenRequested(QFile::decodeName(*message));
            }
        });
    }
}

SingleInstance::Knock SingleInstance::knockAt(const QString& path, const QString& file,
                                              const QDeadlineTimer& deadline) {
    const auto address = socketAddress(QFile::encodeName(path));
    if (!address) {
        return Knock::taken; // no copy can listen at such a name: leave the one holding the lock be
    }
    // Not blocking: a copy whose queue of connections is full is tried again, not waited on without end.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return Knock::unheard;
    }
    const auto closeSocket = qScopeGuard([fd] { ::close(fd); });
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0) {
        return Knock::unheard;
    }
    const QByteArray message = QFile::encodeName(file);
    for (qsizetype sent = 0; sent < message.size();) {
        const ssize_t count = ::send(fd, message.constData() + sent, std::size_t(message.size() - sent), MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return Knock::unanswered;
        }
        sent += count;
    }
    ::shutdown(fd, SHUT_WR); // the end of the message
    for (;;) {
        pollfd answer{fd, POLLIN, 0};
        const int ready = ::poll(&answer, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return Knock::taken; // alive but busy: the request waits in its queue until it reads it
        }
        char reply = 0;
        const ssize_t count = ::recv(fd, &reply, 1, 0);
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        return count == 1 ? Knock::taken : Knock::unanswered;
    }
}

} // namespace vantorel

#include "SingleInstance.moc"
