#include "ui/pages/PreferencesView.h"

#include "app/AppModel.h"
#include "app/UserText.h"
#include "core/PlatformText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/Divider.h"
#include "ui/components/Eyebrow.h"
#include "ui/components/MetricCard.h"
#include "ui/components/Notice.h"
#include "ui/components/PageHeading.h"
#include "ui/components/Panel.h"
#include "ui/components/SettingRow.h"
#include "ui/components/Switch.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vantorel {

PreferencesView::PreferencesView(AppModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    const PlatformText& words = platformText();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(26);
    column->addWidget(new PageHeading(tr("MAKE YOURSELF AT HOME"), tr("Your connection, your way."),
                                      tr("These preferences apply to your next connection."), this));
    column->addWidget(buildSettings());

    m_activeNotice =
        new Notice(QStringLiteral("info.circle"), tr("Disconnect your current session to change preferences."), this);
    m_activeNotice->setObjectName(QStringLiteral("disconnectNotice"));
    column->addWidget(m_activeNotice);

    column->addWidget(new Eyebrow(tr("BUILT IN"), this));
    auto* cards = new QHBoxLayout;
    cards->setSpacing(14);
    cards->addWidget(new MetricCard(QStringLiteral("key"), tr("CREDENTIALS"), platformWords(words.credentialsValue),
                                    platformWords(words.credentialsDetail), this),
                     1, Qt::AlignVCenter);
    cards->addWidget(new MetricCard(QStringLiteral("network"), tr("TUNNEL ENGINE"),
                                    platformWords(words.tunnelEngineValue), platformWords(words.tunnelEngineDetail),
                                    this),
                     1, Qt::AlignVCenter);
    column->addLayout(cards);
    column->addWidget(new Notice(QStringLiteral("hand.raised"),
                                 tr("No analytics or browsing history collection is implemented in this "
                                    "app. Your VPN provider\u2019s separate privacy policy still applies."),
                                 this));
    column->addWidget(new Notice(
        QStringLiteral("info.circle"),
        tr("Kill switch, automatic reconnection and split tunneling are not available in this version."), this));

    ModelWatcher::forPage(
        model, [this] { refresh(); }, this);
}

Panel* PreferencesView::buildSettings() {
    m_settings = new Panel(this);
    m_settings->setObjectName(QStringLiteral("settingsPanel"));
    m_settings->setCornerRadius(14);
    auto* rows = new QVBoxLayout(m_settings);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    // The rows' titles stand in for the switches' own labels, which only assistive technology hears.
    m_allowLocalNetwork = new Switch(m_settings);
    m_allowLocalNetwork->setObjectName(QStringLiteral("allowLocalNetworkSwitch"));
    m_allowLocalNetwork->setAccessibleName(tr("Allow local network access"));
    m_disconnectOnSleep = new Switch(m_settings);
    m_disconnectOnSleep->setObjectName(QStringLiteral("disconnectOnSleepSwitch"));
    m_disconnectOnSleep->setAccessibleName(tr("Disconnect on sleep"));

    bind(m_allowLocalNetwork, &VPNSettings::allowLocalNetwork, [this](bool on) { m_model.setAllowLocalNetwork(on); });
    bind(m_disconnectOnSleep, &VPNSettings::disconnectOnSleep, [this](bool on) { m_model.setDisconnectOnSleep(on); });

    rows->addWidget(new SettingRow(tr("Allow local network access"),
                                   tr("Keep printers and other nearby devices reachable outside the VPN."),
                                   QStringLiteral("printer"), m_allowLocalNetwork, m_settings));
    rows->addWidget(new Divider(Qt::Horizontal, m_settings));
    rows->addWidget(new SettingRow(platformWords(platformText().disconnectOnSleepTitle),
                                   tr("End your session on sleep. You\u2019ll reconnect manually when you return."),
                                   QStringLiteral("moon"), m_disconnectOnSleep, m_settings));
    return m_settings;
}

void PreferencesView::bind(Switch* control, bool VPNSettings::*stored, std::function<void(bool)> store) {
    // `toggled`, not `clicked`: assistive technology toggles a switch without clicking it. A value
    // equal to the stored one is the model's own, shown by refresh(), and there is nothing to store.
    // The model stores a change before it returns; showing its library right away puts the switch
    // back if the store was refused, or if the model was not taking edits at that moment.
    connect(control, &Switch::toggled, this, [this, control, stored, store = std::move(store)](bool on) {
        if (on != m_model.library().settings.*stored) {
            store(on);
            control->setChecked(m_model.library().settings.*stored);
        }
    });
}

void PreferencesView::refresh() {
    const VPNSettings& settings = m_model.library().settings;
    m_allowLocalNetwork->setChecked(settings.allowLocalNetwork);
    m_disconnectOnSleep->setChecked(settings.disconnectOnSleep);
    m_settings->setEnabled(m_model.canEdit());
    m_activeNotice->setVisible(isActive(m_model.phase()));
}

} // namespace vantorel
