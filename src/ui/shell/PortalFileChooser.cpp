#include "ui/shell/PortalFileChooser.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>

namespace vantorel::portal {

// A filter as the portal takes it: a name, and patterns that are globs (0) or MIME types (1).
struct Pattern {
    uint kind = 0;
    QString pattern;
};
struct Filter {
    QString name;
    QList<Pattern> patterns;
};

QDBusArgument& operator<<(QDBusArgument& out, const Pattern& pattern) {
    out.beginStructure();
    out << pattern.kind << pattern.pattern;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, Pattern& pattern) {
    in.beginStructure();
    in >> pattern.kind >> pattern.pattern;
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const Filter& filter) {
    out.beginStructure();
    out << filter.name << filter.patterns;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, Filter& filter) {
    in.beginStructure();
    in >> filter.name >> filter.patterns;
    in.endStructure();
    return in;
}

} // namespace vantorel::portal

Q_DECLARE_METATYPE(vantorel::portal::Pattern)
Q_DECLARE_METATYPE(vantorel::portal::Filter)

namespace vantorel {
namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Starting the portal on demand takes a moment on a desktop that has not used it yet; one that has
// not answered by then is taken for absent, and the app's own dialog shown instead.
constexpr int answerPatience = 10'000;

// The window the chooser belongs to, in the portal's words; on Wayland that would take an exported
// surface handle that Qt does not offer, and the chooser then comes up on its own.
QString parentWindow(const QWidget* window) {
    if (window != nullptr && QGuiApplication::platformName() == QLatin1String("xcb")) {
        return QStringLiteral("x11:%1").arg(window->window()->winId(), 0, 16);
    }
    return {};
}

portal::Filter toPortal(const PortalFileChooser::Filter& filter) {
    portal::Filter converted{filter.name, {}};
    for (const QString& glob : filter.globs) {
        converted.patterns.push_back({0, glob});
    }
    return converted;
}

} // namespace

PortalFileChooser::PortalFileChooser(QObject* parent) : QObject(parent) {
    qDBusRegisterMetaType<portal::Pattern>();
    qDBusRegisterMetaType<QList<portal::Pattern>>();
    qDBusRegisterMetaType<portal::Filter>();
    qDBusRegisterMetaType<QList<portal::Filter>>();
}

PortalFileChooser::~PortalFileChooser() {
    if (isOpen()) {
        QDBusConnection::sessionBus().send(
            QDBusMessage::createMethodCall(service, m_request, requestInterface, QStringLiteral("Close")));
        listen(m_request, false);
    }
}

void PortalFileChooser::open(const QWidget* window, const QString& title, const QString& folder,
                             const QList<Filter>& filters) {
    if (isOpen()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QMetaObject::invokeMethod(this, &PortalFileChooser::unavailable, Qt::QueuedConnection);
        return;
    }
    // The request's path follows from our name on the bus and a token of ours. Listening there
    // before asking means that no answer can come before we listen.
    const QString token = QStringLiteral("vantorel%1").arg(++m_serial);
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    m_request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    listen(m_request, true);

    QList<portal::Filter> offered;
    for (const Filter& filter : filters) {
        offered.push_back(toPortal(filter));
    }
    QVariantMap options{
        {QStringLiteral("handle_token"), token},
        {QStringLiteral("modal"), true},
        {QStringLiteral("multiple"), false},
        {QStringLiteral("filters"), QVariant::fromValue(offered)},
        // The folder as bytes in the file system's encoding, ended by a null byte.
        {QStringLiteral("current_folder"), QByteArray(QFile::encodeName(folder)).append('\0')},
    };
    if (!offered.isEmpty()) {
        options.insert(QStringLiteral("current_filter"), QVariant::fromValue(offered.front()));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("org.freedesktop.portal.FileChooser"),
                                                       QStringLiteral("OpenFile"));
    call << parentWindow(window) << title << options;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, answerPatience), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, asked = m_request](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *done;
                if (m_request != asked) {
                    return; // answered or given up meanwhile
                }
                if (reply.isError()) {
                    // No portal, no file chooser in it, or no answer in time: a chooser that comes up
                    // late after all is closed, so that only the app's own dialog is on screen.
                    QDBusConnection::sessionBus().send(
                        QDBusMessage::createMethodCall(service, asked, requestInterface, QStringLiteral("Close")));
                    giveUp();
                    emit unavailable();
                    return;
                }
                // Portals older than handle tokens choose the path themselves.
                if (const QString path = reply.value().path(); path != m_request) {
                    listen(m_request, false);
                    m_request = path;
                    listen(m_request, true);
                }
            });
}

void PortalFileChooser::listen(const QString& request, bool on) {
    // QtDBus connects a bus signal by the slot's signature only.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (on) {
        bus.connect(service, request, requestInterface, QStringLiteral("Response"), this,
                    SLOT(takeResponse(uint, QVariantMap)));
    } else {
        bus.disconnect(service, request, requestInterface, QStringLiteral("Response"), this,
                       SLOT(takeResponse(uint, QVariantMap)));
    }
}

void PortalFileChooser::giveUp() {
    listen(m_request, false);
    m_request.clear();
}

void PortalFileChooser::takeResponse(uint response, const QVariantMap& results) {
    if (!isOpen()) {
        return;
    }
    giveUp();
    // 0: chosen; 1: cancelled; 2: ended otherwise (closed, or the backend gave up).
    const QStringList uris = results.value(QStringLiteral("uris")).toStringList();
    const QString path = uris.isEmpty() ? QString() : QUrl(uris.front()).toLocalFile();
    if (response == 0 && !path.isEmpty()) {
        emit fileSelected(path);
    } else {
        emit cancelled();
    }
}

} // namespace vantorel
