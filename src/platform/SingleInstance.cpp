#include "SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QVariantMap>

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

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
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
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        QLocalServer::removeServer(base); // a socket left behind by a process that died
        m_server->listen(base);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* peer = m_server->nextPendingConnection()) {
                connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
                emit activationRequested();
            }
        });
        return Claim::first;
    }
    m_lock.reset();
    if (!activate) {
        return Claim::handedOver;
    }
    QLocalSocket socket;
    socket.connectToServer(base);
    if (socket.waitForConnected(handOverTimeoutMs)) {
        socket.write("activate\n");
        socket.waitForBytesWritten(handOverTimeoutMs);
        socket.disconnectFromServer();
    }
    return Claim::handedOver;
}

} // namespace vantorel

#include "SingleInstance.moc"
