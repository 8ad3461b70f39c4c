// "Import Location…" through the desktop's file chooser portal, on a private session bus where the
// test itself plays the portal (no desktop chooser can run here, nor be answered by a test).
#include "app/AppModel.h"
#include "support/WindowFixture.h"
#include "ui/shell/PortalFileChooser.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileDialog>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");

// One request the portal was asked for: a D-Bus object that can be closed.
class FakeRequest final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

public:
    using QObject::QObject;
    bool closed = false;

public Q_SLOTS:
    void Close() { closed = true; }
};

// The portal's file chooser, on a connection of its own, as a desktop's would be.
class FakePortal final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")

public:
    struct Asked {
        QString title;
        QVariantMap options;
        QString path;
        FakeRequest* request;
    };
    std::vector<Asked> asked;
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));

    bool start() {
        return bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                                  QDBusConnection::ExportAllSlots) &&
               bus.registerService(portalService);
    }
    void stop() { bus.unregisterService(portalService); }
    void answer(uint response, const QStringList& uris) {
        QDBusMessage signal = QDBusMessage::createSignal(
            asked.back().path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        signal << response << QVariantMap{{QStringLiteral("uris"), uris}};
        bus.send(signal);
    }

public Q_SLOTS:
    QDBusObjectPath OpenFile(const QString&, const QString& title, const QVariantMap& options) {
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(message().service().mid(1).replace(QLatin1Char('.'), QLatin1Char('_')),
                                      options.value(QStringLiteral("handle_token")).toString());
        auto* request = new FakeRequest(this);
        bus.registerObject(path, request, QDBusConnection::ExportAllSlots);
        asked.push_back({title, options, path, request});
        return QDBusObjectPath(path);
    }
};

// The globs of every filter offered, read as the portal reads them: a(sa(us)).
QStringList offeredGlobs(const QVariant& filters) {
    QStringList globs;
    const auto argument = filters.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a(sa(us))")) {
        return {QStringLiteral("wrong signature: ") + argument.currentSignature()};
    }
    argument.beginArray();
    while (!argument.atEnd()) {
        QString name;
        argument.beginStructure();
        argument >> name;
        argument.beginArray();
        while (!argument.atEnd()) {
            uint kind = 0;
            QString glob;
            argument.beginStructure();
            argument >> kind >> glob;
            argument.endStructure();
            globs << glob;
        }
        argument.endArray();
        argument.endStructure();
    }
    argument.endArray();
    return globs;
}

class PortalChooser : public WindowFixture {};

} // namespace

// The chooser is the desktop's: asked once at a time with the start folder and the filters, its
// choice imported, its cancel leaving nothing; closed with the window. Without a portal, the app's
// own dialog opens, and stays the way from then on.
TEST_F(PortalChooser, importAsksTheDesktopsChooserAndFallsBackToTheAppsOwn) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    FakePortal portal;
    ASSERT_TRUE(portal.start());
    startWindow();
    QAction* import = m_window->importLocationAction();
    import->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal.asked.empty(); }));
    import->trigger(); // one chooser at a time
    QTest::qWait(200);
    ASSERT_EQ(portal.asked.size(), 1U);
    const auto& first = portal.asked.front();
    EXPECT_FALSE(first.title.isEmpty());
    const QByteArray folder = first.options.value(QStringLiteral("current_folder")).toByteArray();
    EXPECT_TRUE(folder.endsWith('\0') && QFileInfo(QString::fromLocal8Bit(folder.chopped(1))).isDir()) << folder.data();
    EXPECT_TRUE(offeredGlobs(first.options.value(QStringLiteral("filters"))).contains(QStringLiteral("*.mobileconfig")))
        << offeredGlobs(first.options.value(QStringLiteral("filters"))).join(u',').toStdString();

    // Cancelled: nothing happens, and the next import asks again.
    portal.answer(1, {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_window->portalFileChooser()->isOpen(); }));
    EXPECT_FALSE(m_model->message() || m_model->showingAdd());
    import->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.asked.size() == 2; }));

    // Chosen: the file is imported (this one is refused, by name, which shows it was read).
    const auto fifo = m_temp.path() / "chosen-fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    portal.answer(0, {QUrl::fromLocalFile(QString::fromStdString(fifo.string())).toString()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_model->message().has_value(); }));
    EXPECT_TRUE(m_model->message()->contains(QStringLiteral("chosen-fifo")));
    m_model->setMessage(std::nullopt);

    // Open when the window goes: the chooser is closed with it.
    import->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.asked.size() == 3; }));
    FakeRequest* left = portal.asked.back().request;
    m_window.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return left->closed; }));

    // No portal on the bus: the app's own dialog, at once and from then on.
    portal.stop();
    startWindow();
    m_window->importLocationAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->importDialog()->isVisible(); }));
    m_window->importDialog()->reject();
    portal.start();
    m_window->importLocationAction()->trigger();
    EXPECT_TRUE(m_window->importDialog()->isVisible());
    EXPECT_EQ(portal.asked.size(), 3U);
}

#include "PortalChooserTest.moc"
