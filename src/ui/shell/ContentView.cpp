#include "ui/shell/ContentView.h"

#include "app/AppModel.h"
#include "core/PlatformText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/Divider.h"
#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/ConnectionView.h"
#include "ui/pages/LocationsView.h"
#include "ui/pages/PreferencesView.h"
#include "ui/pages/ServiceView.h"
#include "ui/shell/Sidebar.h"
#include "ui/shell/StatusDot.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vantorel {
namespace {

constexpr int topBarHeight = 66;
constexpr int pagePadding = 32;

} // namespace

ContentView::ContentView(AppModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("contentView"));
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);

    m_sidebar = new Sidebar(this);
    columns->addWidget(m_sidebar);
    columns->addWidget(new Divider(Qt::Vertical, this));
    columns->addWidget(buildDetail(), 1);
    connect(m_sidebar, &Sidebar::pageChosen, this, [this](AppPage page) { m_model.setPage(page); });

    m_sheet = new AddLocationSheet(model, this);
    connect(m_sheet, &QDialog::finished, this, [this] {
        if (m_model.showingAdd()) {
            m_model.setShowingAdd(false);
        }
    });

    new ModelWatcher(
        model, [this] { refresh(); }, this);
    refresh();
}

ContentView::~ContentView() = default;

QWidget* ContentView::buildDetail() {
    auto* detail = new QWidget(this);
    auto* column = new QVBoxLayout(detail);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* topBar = new QWidget(detail);
    topBar->setObjectName(QStringLiteral("topBar"));
    topBar->setFixedHeight(topBarHeight);
    auto* bar = new QHBoxLayout(topBar);
    bar->setContentsMargins(pagePadding, 0, pagePadding, 0);
    m_pageTitle = TextLabel::oneLine({}, Fonts::system(14, QFont::Medium), Palette::text.color(), topBar);
    m_pageTitle->setObjectName(QStringLiteral("pageTitle"));
    m_dot = new StatusDot(topBar);
    m_phaseTitle = TextLabel::oneLine({}, Fonts::system(12), Palette::muted.color(), topBar);
    m_phaseTitle->setObjectName(QStringLiteral("phaseTitle"));
    bar->addWidget(m_pageTitle, 0, Qt::AlignVCenter);
    bar->addStretch(1);
    bar->addWidget(m_dot, 0, Qt::AlignVCenter);
    bar->addWidget(m_phaseTitle, 0, Qt::AlignVCenter);
    column->addWidget(topBar);
    column->addWidget(new Divider(Qt::Horizontal, detail));

    m_scroll = new QScrollArea(detail);
    m_scroll->setObjectName(QStringLiteral("pageScrollArea"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* pageArea = new QWidget(m_scroll);
    pageArea->setObjectName(QStringLiteral("pageArea"));
    m_pageLayout = new QVBoxLayout(pageArea);
    m_pageLayout->setContentsMargins(pagePadding, pagePadding, pagePadding, pagePadding);
    // Only the current page is visible, and a hidden widget takes no room, so the area is as tall
    // as the current page alone.
    m_pageLayout->addStretch(1);
    m_scroll->setWidget(pageArea);
    column->addWidget(m_scroll, 1);
    return detail;
}

QWidget* ContentView::pageWidget(AppPage page) {
    QWidget*& widget = m_pages[static_cast<std::size_t>(page)];
    if (widget != nullptr) {
        return widget;
    }
    // Each page is built the first time it is needed: the window opens on one page, and the
    // others cost nothing until they are chosen.
    QWidget* area = m_scroll->widget();
    switch (page) {
    case AppPage::connection:
        widget = new ConnectionView(m_model, area);
        break;
    case AppPage::locations:
        widget = new LocationsView(m_model, area);
        break;
    case AppPage::preferences:
        widget = new PreferencesView(m_model, area);
        break;
    case AppPage::service:
        widget = new ServiceView(area);
        break;
    }
    widget->setObjectName(QString::fromLatin1(std::array{"connectionPage", "locationsPage", "preferencesPage",
                                                         "servicePage"}[static_cast<std::size_t>(page)]));
    widget->hide();
    // In page order, before the closing stretch.
    const auto index = std::ranges::count_if(
        allPages, [&](AppPage other) { return other < page && m_pages[static_cast<std::size_t>(other)] != nullptr; });
    m_pageLayout->insertWidget(int(index), widget);
    return widget;
}

void ContentView::refresh() {
    const AppPage current = m_model.page();
    m_sidebar->setCurrentPage(current);
    m_pageTitle->setText(toQString(rawValue(current)));
    // The scrolling area takes focus so that the keyboard can scroll it; it is named for its page.
    m_scroll->setAccessibleName(toQString(rawValue(current)));
    m_dot->setLit(m_model.phase() == TunnelPhase::connected);
    m_phaseTitle->setText(toQString(title(m_model.phase())));
    pageWidget(current)->show();
    for (std::size_t i = 0; i < allPages.size(); ++i) {
        if (m_pages[i] != nullptr && allPages[i] != current) {
            m_pages[i]->hide();
        }
    }
    refreshAlert();
    refreshSheet();
    refreshWaiting();
}

void ContentView::refreshWaiting() {
    const bool waiting = m_model.waitingForSecretStore() && !m_sheet->isVisible();
    if (waiting && m_waiting == nullptr) {
        m_waiting = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Vantorel"),
                                    toQString(platformText().waitingToDelete), QMessageBox::NoButton, this);
        m_waiting->setObjectName(QStringLiteral("waitingAlert"));
        QPushButton* stop = m_waiting->addButton(QStringLiteral("Stop waiting"), QMessageBox::RejectRole);
        stop->setObjectName(QStringLiteral("stopWaitingButton"));
        // The button, Escape and closing it all give up the wait; it goes away when the wait ends.
        connect(m_waiting, &QMessageBox::finished, this, [this] { m_model.stopWaitingForSecretStore(); });
    }
    if (waiting && !m_waiting->isVisible()) {
        m_waiting->open();
    } else if (!waiting && m_waiting != nullptr && m_waiting->isVisible()) {
        m_waiting->hide();
    }
}

QMessageBox* ContentView::alert() {
    if (m_alert != nullptr) {
        return m_alert;
    }
    // Made for the first message: a message box is one of the costlier widgets to build, and most
    // runs never show one.
    m_alert = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Vantorel"), {}, QMessageBox::Ok, this);
    m_alert->setObjectName(QStringLiteral("messageAlert"));
    m_alert->button(QMessageBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    // "OK", Escape and closing the alert all end here; so does closing it because the message
    // went away, when clearing it again is harmless.
    connect(m_alert, &QMessageBox::finished, this, [this] {
        if (m_model.message()) {
            m_model.setMessage(std::nullopt);
        }
    });
    return m_alert;
}

void ContentView::refreshAlert() {
    if (const auto& message = m_model.message()) {
        // A newer message replaces the text of an alert that is still open. A window closed to the
        // tray keeps its message for when it is shown again (showEvent), rather than an alert of
        // its own on the desktop.
        alert()->setText(*message);
        if (!m_alert->isVisible() && window()->isVisible()) {
            m_alert->open();
        }
    } else if (m_alert != nullptr && m_alert->isVisible()) {
        m_alert->done(QMessageBox::Ok);
    }
}

void ContentView::refreshSheet() {
    // A file read while the sheet is open replaces what it shows.
    if (m_model.showingAdd() && (!m_sheet->isVisible() || m_model.hasImport())) {
        m_sheet->present();
    } else if (!m_model.showingAdd() && m_sheet->isVisible()) {
        m_sheet->done(QDialog::Accepted);
    }
}

void ContentView::closeOverlays() {
    if (m_sheet->isVisible()) {
        m_sheet->reject();
    }
    if (const auto* locations = static_cast<LocationsView*>(m_pages[static_cast<std::size_t>(AppPage::locations)]);
        locations != nullptr && locations->removalConfirmation()->isVisible()) {
        locations->removalConfirmation()->reject();
    }
    // Hidden, not finished: finishing it would clear the message the user has not read yet.
    if (m_alert != nullptr) {
        m_alert->hide();
    }
}

void ContentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshAlert();
}

void ContentView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Palette::background.color());
}

} // namespace vantorel
