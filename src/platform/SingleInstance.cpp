#include "SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QVariantMap>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vantorel {
namespace {

constexpr int handOverTimeoutMs = 3000;

// The freedesktop application interface on the well-known name: Activate brings the window
// forward, as a desktop's own launcher would ask.
class ApplicationAdaptor final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(SingleInstance& instance) : QObject(&instance), m_instance(instance) {}

public slots:
    void Activate(const QVariantMap&) { emit m_instance.activationRequested(); }
    void Open(const QStringList&, const QVariantMap&) { emit m_instance.activationRequested(); }
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

SingleInstance::Claim SingleInstance::claim(bool activate) {
    if (QDBusConnection::sessionBus().isConnected()) {
        return claimOnSessionBus(activate);
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir(runtime).exists()) {
        return Claim::unchecked;
    }
    return claimWithSocket(runtime, activate);
}

SingleInstance::Claim SingleInstance::claimOnSessionBus(bool activate) {
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
    if (activate) {
        QDBusMessage call = QDBusMessage::createMethodCall(name, path, QStringLiteral("org.freedesktop.Application"),
                                                           QStringLiteral("Activate"));
        call << QVariantMap();
        bus.call(call, QDBus::Block, handOverTimeoutMs);
    }
    return Claim::handedOver;
}

SingleInstance::Claim SingleInstance::claimWithSocket(const QString& runtimeFolder, bool activate) {
    const QString base = QDir(runtimeFolder).filePath(QString::fromLatin1(serviceName));
    // The lock is held for the life of the process; a lock left by a process that died is taken over.
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock()) {
        listenAt(base);
        return Claim::first;
    }
    m_lock.reset();
    if (activate) {
        knockAt(base);
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
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        // Any connection is a request to come forward; nothing is read from it.
        for (int peer = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC); peer >= 0;
             peer = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC)) {
            ::close(peer);
            emit activationRequested();
        }
    });
}

void SingleInstance::knockAt(const QString& path) {
    const auto address = socketAddress(QFile::encodeName(path));
    if (!address) {
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
        ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address));
        ::close(fd);
    }
}

} // namespace vantorel

#include "SingleInstance.moc"
