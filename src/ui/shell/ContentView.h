#pragma once

#include "app/AppPage.h"

#include <QWidget>
#include <array>
#include <optional>

class QScrollArea;
class QVBoxLayout;

namespace vantorel {

class AddLocationSheet;
class Alert;
class AppModel;
class Sidebar;
class StatusDot;
class TextLabel;

// The main window's content: the sidebar, and beside it the top bar (page title and connection
// phase) over the scrolling current page. It also presents the two overlays that belong to the
// whole window: the add-location sheet while `showingAdd` holds, and an alert while there is a
// message. Everything it shows is read from the model on the turn after the model changes.
class ContentView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentView)

public:
    explicit ContentView(AppModel& model, QWidget* parent = nullptr);
    ~ContentView() override;

    Sidebar* sidebar() const { return m_sidebar; }
    // The alert that shows the model's message, made when first needed.
    Alert* alert();
    AddLocationSheet* sheet() const { return m_sheet; }
    // The page widget shown for `page`, built when first asked for.
    QWidget* pageWidget(AppPage page);

    // The window is closing: the add-location sheet and a pending removal confirmation are
    // cancelled (the sheet's password wiped with it), and an open alert steps aside until the
    // window is shown again, keeping its message. A sheet whose save is in progress stays with the
    // window, and comes back with it.
    void closeOverlays();
    // Shown while a removal waits for the secret store to delete the password.
    QWidget* removalWaiting() const { return m_removalWaiting; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void refreshAlert();
    void refreshSheet();
    void refreshWaiting();
    void showPage(AppPage page);
    QWidget* buildDetail();
    QWidget* buildRemovalWaiting(QWidget* parent);

    AppModel& m_model;
    Sidebar* m_sidebar = nullptr;
    TextLabel* m_pageTitle = nullptr;
    StatusDot* m_dot = nullptr;
    TextLabel* m_phaseTitle = nullptr;
    QScrollArea* m_scroll = nullptr;
    std::array<QWidget*, allPages.size()> m_pages{};
    std::optional<AppPage> m_shownPage;
    // Where each page was scrolled to when it was left.
    std::array<int, allPages.size()> m_scrollPositions{};
    QVBoxLayout* m_pageLayout = nullptr;
    Alert* m_alert = nullptr;
    // Shown while a removal waits for the secret store; the sheet shows its own waiting.
    QWidget* m_removalWaiting = nullptr;
    AddLocationSheet* m_sheet = nullptr;
    bool m_sheetAside = false; // hidden with the window while its save goes on
};

} // namespace vantorel
