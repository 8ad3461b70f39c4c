#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

namespace vantorel {

class AccentButton;
class AppModel;
class IconLabel;
class MetricCard;
class SymbolLabel;
class TextLabel;

// The page the window opens on: the connection state the system reports, the location in use
// (or the selected one), three figures and one primary button whose meaning follows the phase.
// It keeps nothing of its own; every widget is built once and updated in place from the model.
class ConnectionView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConnectionView)

public:
    explicit ConnectionView(AppModel& model, QWidget* parent = nullptr);

    // The sentence under the phase's title.
    QString statusDetail() const;
    void fitDetailBetweenDots();
    // The primary button's caption: "Disconnect" while a connection is active, "Refresh status"
    // when the phase is unknown, otherwise "Set up your service".
    QString primaryTitle() const;
    // What the primary button does, decided when it is pressed: nothing while a connection is
    // active (there is no way to end one), a refresh on a later turn when the phase is unknown,
    // otherwise the Service page.
    void primaryAction();

    // Shows the model as it is now; runs by itself on the turn after the model announces a change.
    void refresh();

    // Time elapsed as "m:ss", or "h:mm:ss" from one hour on.
    static QString elapsedText(qint64 seconds);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildStatusCard();
    QWidget* buildStage(QWidget* parent);
    QWidget* buildBottomRow(QWidget* parent);
    QWidget* buildFigures();
    void refreshLocationLines();
    // The session tile, and the timer that redraws it once a second while it shows a time and
    // the window can be seen.
    void refreshSession();

    AppModel& m_model;
    IconLabel* m_statusLabel = nullptr;
    SymbolLabel* m_badgeSymbol = nullptr;
    TextLabel* m_title = nullptr;
    TextLabel* m_detail = nullptr;
    AccentButton* m_primary = nullptr;
    TextLabel* m_locationName = nullptr;
    TextLabel* m_locationDetail = nullptr;
    MetricCard* m_session = nullptr;
    MetricCard* m_locationCount = nullptr;
    QTimer* m_sessionTimer = nullptr;
    QPointer<QWidget> m_watchedWindow;
};

} // namespace vantorel
