#include "SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QUrl>
#include <QVariantMap>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vantorel {
namespace {

constexpr int handOverTimeoutMs = 3000;
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
    if (m_lock->tryLock()) {
        listenAt(base);
        return Claim::first;
    }
    m_lock.reset();
    if (activate || !file.isEmpty()) {
        knockAt(base, file);
    }
    return Claim::handedOver;
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
// Each is read as its bytes arrive, so a peer that connects and says nothing holds nothing up.
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
            ::close(peer);
            emit activationRequested();
            if (count == 0 && !message->isEmpty() && message->size() <= longestMessage) {
                emit fileOpenRequested(QFile::decodeName(*message));
            }
        });
    }
}

void SingleInstance::knockAt(const QString& path, const QString& file) {
    const auto address = socketAddress(QFile::encodeName(path));
    if (!address) {
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0) {
        const QByteArray message = QFile::encodeName(file);
        for (qsizetype sent = 0; sent < message.size();) {
            const ssize_t count =
                ::send(fd, message.constData() + sent, std::size_t(message.size() - sent), MSG_NOSIGNAL);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                break;
            }
            sent += count;
        }
    }
    ::close(fd);
}

} // namespace vantorel

#include "SingleInstance.moc"
