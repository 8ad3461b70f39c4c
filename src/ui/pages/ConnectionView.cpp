#include "ui/pages/ConnectionView.h"

#include "app/AppModel.h"
#include "app/UserText.h"
#include "core/PlatformText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/AccentButton.h"
#include "ui/components/Divider.h"
#include "ui/components/Eyebrow.h"
#include "ui/components/Fonts.h"
#include "ui/components/GlobeArtwork.h"
#include "ui/components/IconLabel.h"
#include "ui/components/MetricCard.h"
#include "ui/components/Notice.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextButton.h"
#include "ui/components/TextLabel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>

namespace vantorel {
namespace {

const QString emDash = QStringLiteral("\u2014");

} // namespace

ConnectionView::ConnectionView(AppModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    m_sessionTimer = new QTimer(this);
    m_sessionTimer->setObjectName(QStringLiteral("sessionTimer"));
    m_sessionTimer->setSingleShot(true);
    m_sessionTimer->setTimerType(Qt::PreciseTimer);
    connect(m_sessionTimer, &QTimer::timeout, this, &ConnectionView::refreshSession);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(24);
    column->addWidget(buildHeader());
    column->addWidget(buildStatusCard());
    column->addWidget(buildFigures());
    auto* notice = new Notice(QStringLiteral("info.circle"), platformWords(platformText().previewNotice), this);
    notice->setObjectName(QStringLiteral("previewNotice"));
    column->addWidget(notice);

    ModelWatcher::forPage(
        model, [this] { refresh(); }, this);
}

QWidget* ConnectionView::buildHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(9);
    texts->addWidget(new Eyebrow(tr("YOUR PRIVATE CONNECTION"), header));
    texts->addWidget(new TextLabel(tr("A little more peace of mind."), Fonts::rounded(29, QFont::DemiBold),
                                   Palette::text.color(), header));
    texts->addWidget(new TextLabel(tr("One place to connect, wherever life takes you."), Fonts::system(13),
                                   Palette::muted.color(), header));
    row->addLayout(texts, 1);

    auto* badge = new Panel(header);
    badge->setObjectName(QStringLiteral("platformBadge"));
    badge->setCapsule(true);
    badge->setFill(Palette::violet.color(0.08));
    auto* badgeRow = new QHBoxLayout(badge);
    badgeRow->setContentsMargins(12, 7, 12, 7);
    badgeRow->addWidget(TextLabel::oneLine(platformWords(platformText().connectionBadge),
                                           Fonts::system(11, QFont::Medium), Palette::violet.color(), badge));
    row->addWidget(badge, 0, Qt::AlignTop);
    return header;
}

QWidget* ConnectionView::buildStatusCard() {
    auto* card = new Panel(this);
    card->setObjectName(QStringLiteral("statusCard"));
    card->setCornerRadius(18);
    card->setOutline(Palette::line.color(), 1);
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* topRow = new QHBoxLayout;
    // Inset 24 all round, less the 8 by which the stage below is drawn up into it.
    topRow->setContentsMargins(24, 24, 24, 16);
    m_statusLabel = new IconLabel(QStringLiteral("circle.dotted"), {}, card);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setFont(Fonts::tracked(Fonts::system(9, QFont::Medium), 1.5));
    m_statusLabel->setColor(Palette::muted.color());
    topRow->addWidget(m_statusLabel, 0, Qt::AlignVCenter);
    topRow->addStretch(1);
    topRow->addWidget(TextLabel::oneLine(tr("LOCAL PREVIEW"), Fonts::tracked(Fonts::system(9, QFont::DemiBold), 1.0),
                                         Palette::violet.color(), card),
                      0, Qt::AlignVCenter);
    column->addLayout(topRow);
    column->addWidget(buildStage(card));

    m_primary = new AccentButton({}, card);
    m_primary->setObjectName(QStringLiteral("primaryButton"));
    m_primary->setFont(Fonts::system(13, QFont::DemiBold));
    m_primary->setLabelSpacing(9);
    m_primary->setFixedSize(216, 45);
    connect(m_primary, &QPushButton::clicked, this, &ConnectionView::primaryAction);
    column->addSpacing(4);
    column->addWidget(m_primary, 0, Qt::AlignHCenter);
    column->addSpacing(26);
    column->addWidget(new Divider(Qt::Horizontal, card));
    column->addWidget(buildBottomRow(card));
    return card;
}

QWidget* ConnectionView::buildStage(QWidget* parent) {
    // Two layers in one grid cell: the globe, and over it the badge, title and detail.
    auto* stage = new QWidget(parent);
    stage->setObjectName(QStringLiteral("stage"));
    auto* layers = new QGridLayout(stage);
    layers->setContentsMargins(0, 0, 0, 0);
    auto* globe = new GlobeArtwork(stage);
    globe->setFixedSize(440, 235);
    layers->addWidget(globe, 0, 0, Qt::AlignCenter);

    auto* status = new QWidget(stage);
    auto* column = new QVBoxLayout(status);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    auto* badge = new Panel(status);
    badge->setObjectName(QStringLiteral("statusBadge"));
    badge->setCapsule(true);
    badge->setFill(Palette::background.color());
    badge->setOutline(Palette::violet.color(0.45), 1);
    badge->setFixedSize(76, 76);
    auto* badgeLayout = new QHBoxLayout(badge);
    badgeLayout->setContentsMargins(0, 0, 0, 0);
    // The title under it says the same in words.
    m_badgeSymbol = SymbolLabel::decorative({}, Fonts::symbol(34, QFont::Light), Palette::violet.color(), badge);
    m_badgeSymbol->setObjectName(QStringLiteral("statusSymbol"));
    badgeLayout->addWidget(m_badgeSymbol, 0, Qt::AlignCenter);
    column->addWidget(badge, 0, Qt::AlignHCenter);

    m_title = TextLabel::oneLine({}, Fonts::rounded(22, QFont::DemiBold), Palette::text.color(), status);
    m_title->setObjectName(QStringLiteral("statusTitle"));
    column->addWidget(m_title, 0, Qt::AlignHCenter);
    m_detail = new TextLabel({}, Fonts::system(12), Palette::muted.color(), status);
    m_detail->setObjectName(QStringLiteral("statusDetail"));
    m_detail->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    column->addWidget(m_detail, 0, Qt::AlignHCenter);
    layers->addWidget(status, 0, 0, Qt::AlignCenter);
    return stage;
}

QWidget* ConnectionView::buildBottomRow(QWidget* parent) {
    auto* bottom = new QWidget(parent);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(22, 22, 22, 22);
    row->addWidget(SymbolLabel::decorative(QStringLiteral("location.circle"), Fonts::symbol(25, QFont::Light),
                                           Palette::violet.color(), bottom),
                   0, Qt::AlignVCenter);
    auto* lines = new QVBoxLayout;
    lines->setSpacing(4);
    m_locationName = TextLabel::oneLine({}, Fonts::system(13, QFont::Medium), Palette::text.color(), bottom);
    m_locationName->setObjectName(QStringLiteral("locationName"));
    m_locationDetail = TextLabel::oneLine({}, Fonts::system(11), Palette::muted.color(), bottom);
    m_locationDetail->setObjectName(QStringLiteral("locationDetail"));
    // A location's name and country are the person's: as long as they may be, they are shortened to
    // the room the card leaves them.
    for (TextLabel* line : {m_locationName, m_locationDetail}) {
        line->setElided(true);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    lines->addWidget(m_locationName);
    lines->addWidget(m_locationDetail);
    row->addLayout(lines, 1);

    auto* manage = new TextButton(tr("Manage locations"), bottom);
    manage->setObjectName(QStringLiteral("manageLocationsButton"));
    manage->setFont(Fonts::system(12));
    manage->setColor(Palette::violet.color());
    connect(manage, &QPushButton::clicked, this, [this] { m_model.setPage(AppPage::locations); });
    row->addWidget(manage, 0, Qt::AlignVCenter);
    row->addWidget(
        SymbolLabel::decorative(QStringLiteral("chevron.right"), Fonts::symbol(10), Palette::muted.color(), bottom), 0,
        Qt::AlignVCenter);
    return bottom;
}

QWidget* ConnectionView::buildFigures() {
    auto* figures = new QWidget(this);
    auto* row = new QHBoxLayout(figures);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);
    const PlatformText& words = platformText();
    auto* protocol = new MetricCard(QStringLiteral("network"), tr("PROTOCOL"), QStringLiteral("IKEv2"),
                                    platformWords(words.protocolDetail), figures);
    m_session = new MetricCard(QStringLiteral("clock"), tr("SESSION"), emDash, {}, figures);
    m_session->setObjectName(QStringLiteral("sessionTile"));
    m_locationCount =
        new MetricCard(QStringLiteral("globe"), tr("LOCATIONS"), {}, platformWords(words.locationsDetail), figures);
    m_locationCount->setObjectName(QStringLiteral("locationsTile"));
    for (auto* card : {protocol, m_session, m_locationCount}) {
        row->addWidget(card, 1, Qt::AlignVCenter);
    }
    return figures;
}

void ConnectionView::fitDetailBetweenDots() {
    // The detail lies over the globe at the height of its end dots: it wraps within the room between
    // them, well clear of either, and in lines of even length (the narrowest width that takes no
    // more lines), so that a sentence is not left with a word on a line of its own.
    constexpr int clearance = 12;
    constexpr int room = int(2 * (GlobeArtwork::endDotOffset - GlobeArtwork::endDotRadius)) - 2 * clearance;
    const int lines = m_detail->lineCount(room);
    int narrowest = room;
    for (int step = room / 2; step > 0; step /= 2) {
        if (narrowest - step > 0 && m_detail->lineCount(narrowest - step) == lines) {
            narrowest -= step;
        }
    }
    m_detail->setMaximumWidth(narrowest);
}

QString ConnectionView::statusDetail() const {
    const PlatformText& words = platformText();
    switch (m_model.phase()) {
    case TunnelPhase::unavailable:
        return tr("Your app is ready to explore.\nActivate a VPN service to start connecting.");
    case TunnelPhase::disconnected:
        return tr("Your traffic is not using Vantorel.");
    case TunnelPhase::connecting:
        return platformWords(words.connectingDetail);
    case TunnelPhase::connected:
        return platformWords(words.connectedDetail);
    case TunnelPhase::reconnecting:
        return tr("The connection is recovering. Protection is not confirmed.");
    case TunnelPhase::disconnecting:
        return platformWords(words.disconnectingDetail);
    case TunnelPhase::unknown:
        return tr("Refresh the connection status before continuing.");
    }
    return {};
}

QString ConnectionView::primaryTitle() const {
    const TunnelPhase phase = m_model.phase();
    if (isActive(phase)) {
        return tr("Disconnect");
    }
    if (phase == TunnelPhase::unknown) {
        return tr("Refresh status");
    }
    return tr("Set up your service");
}

void ConnectionView::primaryAction() {
    const TunnelPhase phase = m_model.phase();
    if (isActive(phase)) {
        return; // no operation ends a connection in this version
    }
    if (phase == TunnelPhase::unknown) {
        m_model.startRefresh();
        return;
    }
    m_model.setPage(AppPage::service);
}

void ConnectionView::refresh() {
    const TunnelPhase phase = m_model.phase();
    const bool connected = phase == TunnelPhase::connected;
    m_statusLabel->setText(connected ? tr("CONNECTION ACTIVE") : tr("CONNECTION STATUS"));
    m_badgeSymbol->setSymbol(connected ? QStringLiteral("checkmark.shield.fill")
                                       : QStringLiteral("shield.lefthalf.filled"));
    m_badgeSymbol->setColor((connected ? Palette::lime : Palette::violet).color());
    m_title->setText(phaseTitle(phase));
    m_detail->setText(statusDetail());
    fitDetailBetweenDots();
    // The status column is as wide as the longer of the two, and centred over the globe.
    layOutAtOnce(m_title->parentWidget());

    m_primary->setText(primaryTitle());
    m_primary->setSymbol(isActive(phase) ? QStringLiteral("power") : QStringLiteral("arrow.right"));
    m_primary->setBusy(m_model.busy());
    m_primary->setEnabled(!m_model.busy() && phase != TunnelPhase::disconnecting);

    refreshLocationLines();
    m_locationCount->setValue(QLocale().toString(qulonglong(m_model.library().profiles.size())));
    refreshSession();
}

void ConnectionView::refreshLocationLines() {
    const PlatformText& words = platformText();
    QString name;
    QString detail;
    if (isActive(m_model.phase())) {
        // The location the tunnel reports, never the selection: they need not be the same.
        const auto active = m_model.activeProfile();
        name = active ? QString::fromStdString(active->name) : tr("Current VPN session");
        detail = active ? QString::fromStdString(active->country) : platformWords(words.sessionManagedBy);
    } else {
        const auto selected = m_model.library().selected();
        name = selected ? QString::fromStdString(selected->name) : tr("Choose your first location");
        detail = selected ? QString::fromStdString(selected->country) : tr("Add a location from your VPN service");
    }
    m_locationName->setText(name);
    m_locationDetail->setText(detail);
}

QString ConnectionView::elapsedText(qint64 seconds) {
    seconds = std::max<qint64>(0, seconds);
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const auto twoDigits = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    if (hours > 0) {
        return QStringLiteral("%1:%2:%3").arg(hours).arg(twoDigits(minutes), twoDigits(seconds % 60));
    }
    return QStringLiteral("%1:%2").arg(minutes).arg(twoDigits(seconds % 60));
}

void ConnectionView::refreshSession() {
    const bool connected = m_model.phase() == TunnelPhase::connected;
    const auto& since = m_model.connectedAt();
    const PlatformText& words = platformText();
    m_session->setDetail(connected ? platformWords(words.sessionReportedBy) : tr("No active session"));
    if (!connected || !since) {
        m_sessionTimer->stop();
        m_session->setValueDesign(Fonts::Design::standard);
        m_session->setValue(emDash);
        return;
    }
    // A start time ahead of the clock (the clock was set back) counts as just started.
    const qint64 elapsed = std::max<qint64>(0, since->msecsTo(QDateTime::currentDateTimeUtc()));
    m_session->setValueDesign(Fonts::Design::monospaced);
    m_session->setValue(elapsedText(elapsed / 1000));
    const bool seen = isVisible() && !window()->isMinimized();
    if (seen) {
        // Wake up when the next whole second has passed, not a second after this one.
        m_sessionTimer->start(int(1000 - elapsed % 1000));
    } else {
        m_sessionTimer->stop();
    }
}

void ConnectionView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Minimising keeps the page "visible" to Qt, so the window's state changes are watched too.
    if (window() != m_watchedWindow) {
        if (m_watchedWindow != nullptr) {
            m_watchedWindow->removeEventFilter(this);
        }
        m_watchedWindow = window();
        m_watchedWindow->installEventFilter(this);
    }
    refreshSession();
}

void ConnectionView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_sessionTimer->stop();
}

bool ConnectionView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedWindow && event->type() == QEvent::WindowStateChange) {
        refreshSession();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantorel
