#include "ui/shell/ContentView.h"

#include "app/AppModel.h"
#include "app/UserText.h"
#include "core/PlatformText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/Accessibility.h"
#include "ui/components/Alert.h"
#include "ui/components/Divider.h"
#include "ui/components/Fonts.h"
#include "ui/components/Notice.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/ConnectionView.h"
#include "ui/pages/LocationsView.h"
#include "ui/pages/PreferencesView.h"
#include "ui/pages/ServiceView.h"
#include "ui/shell/Sidebar.h"
#include "ui/shell/StatusDot.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
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
    // Where the keyboard is when the window opens: scrolling the page, with no ring on anything.
    // Otherwise Qt gives the first control (a sidebar row) the focus as if Tab had.
    m_scroll->setFocus(Qt::OtherFocusReason);
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
    column->addWidget(buildRemovalWaiting(detail));

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
    const QString title = pageTitle(current);
    m_pageTitle->setText(title);
    // The scrolling area takes focus so that the keyboard can scroll it; it is named for its page.
    m_scroll->setAccessibleName(title);
    m_dot->setLit(m_model.phase() == TunnelPhase::connected);
    m_phaseTitle->setText(phaseTitle(m_model.phase()));
    // The bar's titles take their new widths now, rather than on a later turn after a frame that
    // would show the new title cut to the old one's width.
    layOutAtOnce(m_pageTitle->parentWidget());
    showPage(current);
    refreshAlert();
    refreshSheet();
    refreshWaiting();
}

void ContentView::showPage(AppPage page) {
    if (m_shownPage == page) {
        return;
    }
    QScrollBar* scrolled = m_scroll->verticalScrollBar();
    if (m_shownPage) {
        m_scrollPositions[static_cast<std::size_t>(*m_shownPage)] = scrolled->value();
        // The keyboard focus on a page going out of view would move on by itself, as Tab moves it,
        // to whatever comes next (a sidebar row), which would then show a ring the person never
        // asked for and keep it while other rows are clicked. It goes to the page area instead,
        // which scrolls with the keyboard and shows no ring.
        if (const QWidget* focus = QApplication::focusWidget();
            focus != nullptr && pageWidget(*m_shownPage)->isAncestorOf(focus)) {
            m_scroll->setFocus(Qt::OtherFocusReason);
        }
    }
    m_shownPage = page;
    // The others are hidden first: Qt lays a widget's parents out at once when it is shown, but only
    // on a later turn when one is hidden, so a page shown first would be placed below the page still
    // there, and painted so if a frame came before that later turn.
    QWidget* shown = pageWidget(page);
    for (std::size_t i = 0; i < allPages.size(); ++i) {
        if (m_pages[i] != nullptr && m_pages[i] != shown) {
            m_pages[i]->hide();
        }
    }
    shown->show();
    // Showing the page asks for layouts (the page's, its area's, the scrolling area's) that Qt would
    // run on a later turn, after repainting the window with the geometry they are about to change.
    // They run now instead, so that the first frame is the final one and the page can be put back
    // where it was left (or at its top) before it is first painted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    scrolled->setValue(m_scrollPositions[static_cast<std::size_t>(page)]);
}

QWidget* ContentView::buildRemovalWaiting(QWidget* parent) {
    // A strip under the top bar, in the sheet's own words for waiting, on whichever page is shown.
    m_removalWaiting = new QWidget(parent);
    m_removalWaiting->setObjectName(QStringLiteral("removalWaiting"));
    auto* margins = new QVBoxLayout(m_removalWaiting);
    margins->setContentsMargins(pagePadding, 16, pagePadding, 0);
    auto* panel = new Panel(m_removalWaiting);
    panel->setCornerRadius(10);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(14, 10, 10, 10);
    row->setSpacing(12);
    auto* notice = new Notice(QStringLiteral("clock"), platformWords(platformText().waitingToDelete), panel);
    notice->setObjectName(QStringLiteral("removalWaitingNotice"));
    announceAsAlert(notice);
    row->addWidget(notice, 1, Qt::AlignVCenter);
    auto* stop = new QPushButton(tr("Stop waiting"), panel);
    stop->setObjectName(QStringLiteral("stopWaitingButton"));
    connect(stop, &QPushButton::clicked, this, [this] { m_model.giveUp(); });
    row->addWidget(stop, 0, Qt::AlignVCenter);
    margins->addWidget(panel);
    // Escape gives up as the button does, from wherever the keyboard is, while the strip is shown.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_removalWaiting);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] { m_model.giveUp(); });
    m_removalWaiting->hide();
    return m_removalWaiting;
}

void ContentView::refreshWaiting() {
    const bool waiting = m_model.operation() == AppModel::Operation::removing && m_model.waitingForSecretStore();
    if (waiting != m_removalWaiting->isVisible()) {
        m_removalWaiting->setVisible(waiting);
        if (waiting) {
            m_removalWaiting->findChild<QPushButton*>(QStringLiteral("stopWaitingButton"))
                ->setFocus(Qt::OtherFocusReason);
        }
    }
}

Alert* ContentView::alert() {
    if (m_alert != nullptr) {
        return m_alert;
    }
    // Made for the first message: most runs never show one.
    m_alert = new Alert(QStringLiteral("Vantorel"), this);
    m_alert->setObjectName(QStringLiteral("messageAlert"));
    m_alert->addButton(tr("OK"), Alert::Role::accept)->setObjectName(QStringLiteral("okButton"));
    // "OK", Escape and closing the alert all end here; so does closing it because the message
    // went away, when clearing it again is harmless.
    connect(m_alert, &QDialog::finished, this, [this] {
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
        // A message about a file names it on a first line of its own: the alert keeps that line to
        // one, however long the name.
        if (const qsizetype lineEnd = message->indexOf(QLatin1Char('\n')); lineEnd > 0) {
            alert()->setText(message->sliced(lineEnd + 1), message->first(lineEnd));
        } else {
            alert()->setText(*message);
        }
        if (!m_alert->isVisible() && window()->isVisible()) {
            m_alert->open();
        }
    } else if (m_alert != nullptr && m_alert->isVisible()) {
        m_alert->accept();
    }
}

void ContentView::refreshSheet() {
    // Put aside with its window in the tray while its save went on, the sheet returns with the
    // window, as the save left it; or goes, if the save closed it meanwhile.
    if (m_sheetAside) {
        if (!m_model.showingAdd()) {
            m_sheetAside = false;
            m_sheet->done(QDialog::Accepted);
        } else if (window()->isVisible()) {
            m_sheetAside = false;
            m_model.hasImport() ? m_sheet->present() : m_sheet->open();
        }
        return;
    }
    // A file read while the sheet is open replaces what it shows.
    if (m_model.showingAdd() && (!m_sheet->isVisible() || m_model.hasImport())) {
        m_sheet->present();
    } else if (!m_model.showingAdd() && m_sheet->isVisible()) {
        m_sheet->done(QDialog::Accepted);
    }
}

void ContentView::closeOverlays() {
    if (m_sheet->isVisible()) {
        if (m_model.operation() == AppModel::Operation::adding) {
            // Hidden, not finished: the save goes on, and the sheet returns with the window.
            m_sheet->hide();
            m_sheetAside = true;
        } else {
            m_sheet->reject();
        }
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
    // A sheet put aside comes back once the window is up, so that it is put in front of it.
    if (m_sheetAside) {
        QMetaObject::invokeMethod(this, &ContentView::refreshSheet, Qt::QueuedConnection);
    }
}

void ContentView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Palette::background.color());
}

} // namespace vantorel
