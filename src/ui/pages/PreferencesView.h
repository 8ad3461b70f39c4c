#pragma once

#include "core/VPNSettings.h"

#include <QWidget>
#include <functional>

namespace vantorel {

class AppModel;
class Notice;
class Panel;
class Switch;

// The two connection preferences as switches, and what the app does and does not do. The switches
// show the stored library and change it only through the model, so a flip the model could not
// store springs back.
class PreferencesView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreferencesView)

public:
    explicit PreferencesView(AppModel& model, QWidget* parent = nullptr);

    // Shows the model as it is now; runs by itself on the turn after the model announces a change.
    void refresh();

private:
    Panel* buildSettings();
    // Hands the user's changes of `control` to `store`, one of the model's preference operations.
    void bind(Switch* control, bool VPNSettings::*stored, std::function<void(bool)> store);

    AppModel& m_model;
    Panel* m_settings = nullptr;
    Switch* m_allowLocalNetwork = nullptr;
    Switch* m_disconnectOnSleep = nullptr;
    Notice* m_activeNotice = nullptr;
};

} // namespace vantorel
