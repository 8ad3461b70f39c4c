#include "ui/shell/TrayMenu.h"

#include "app/AppModel.h"
#include "app/UserText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/Palette.h"
#include "ui/components/Symbols.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QSystemTrayIcon>

namespace vantorel {
namespace {

QAction* addEntry(QMenu& menu, const QString& text, const char* name, bool enabled) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

} // namespace

TrayMenu::TrayMenu(AppModel& model, QObject* parent)
    : QObject(parent), m_model(model), m_menu(std::make_unique<QMenu>()) {
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    m_menu->setAccessibleName(QStringLiteral("Vantorel"));
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_icon =
            new QSystemTrayIcon(Symbols::icon(QStringLiteral("shield.lefthalf.filled"), Palette::violet.color()), this);
        m_icon->setToolTip(QStringLiteral("Vantorel"));
        m_icon->setContextMenu(m_menu.get());
        m_icon->show();
    }
    new ModelWatcher(
        model, [this] { rebuild(); }, this);
    rebuild();
}

TrayMenu::~TrayMenu() = default;

void TrayMenu::rebuild() {
    // Rebuilt rather than patched: the entries themselves come and go with the phase.
    m_menu->clear();
    const TunnelPhase phase = m_model.phase();
    const bool active = isActive(phase);
    addEntry(*m_menu, phaseTitle(phase), "trayPhase", false);
    if (const auto profile = m_model.activeProfile(); profile && active) {
        // The person's own name for it, as long as it may be, shortened to a menu's width.
        const QString name = QString::fromStdString(profile->name);
        QAction* location = addEntry(*m_menu, m_menu->fontMetrics().elidedText(name, Qt::ElideRight, longestEntryWidth),
                                     "trayActiveLocation", false);
        location->setToolTip(name);
    }
    m_menu->addSeparator();
    if (active) {
        // There is no way to end a tunnel in this version; the entry is there but does nothing.
        addEntry(*m_menu, tr("Disconnect"), "trayDisconnect", !m_model.busy());
    } else {
        addEntry(*m_menu, tr("Connect"), "trayConnect", false);
    }
    connect(addEntry(*m_menu, tr("Show Vantorel"), "trayShow", true), &QAction::triggered, this,
            &TrayMenu::showApplication);
    m_menu->addSeparator();
    connect(addEntry(*m_menu, tr("Quit Vantorel"), "trayQuit", true), &QAction::triggered, this,
            &TrayMenu::quitRequested);
}

void TrayMenu::showApplication() {
    // A main window hidden by closing it to the tray still counts: this entry is the way back to it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(window) != nullptr) {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && !modal->isVisible()) {
                modal = nullptr;
            }
            // On Wayland a program can neither raise its window nor bring it back from the minimised
            // state, and Qt is not even told that it was minimised: the compositor does either only for
            // the launcher's activation token, which Qt 6.4 cannot hand to this running copy. A window
            // mapped anew is put in front, so an open window none of whose parts has the focus is
            // mapped anew, with its sheet.
            if (window->isVisible() && QApplication::activeWindow() == nullptr &&
                QGuiApplication::platformName() == QLatin1String("wayland")) {
                if (modal != nullptr) {
                    modal->hide();
                }
                window->hide();
            }
            if (window->isMinimized()) {
                window->showNormal();
            } else {
                window->show();
            }
            window->raise();
            window->activateWindow();
            // An open sheet or alert stays in front of the window it belongs to.
            if (modal != nullptr) {
                modal->show();
                modal->raise();
                modal->activateWindow();
            }
            return;
        }
    }
}

} // namespace vantorel
