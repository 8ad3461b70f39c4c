#include "ui/pages/ServiceView.h"

#include "app/UserText.h"
#include "core/PlatformText.h"
#include "ui/QtText.h"
#include "ui/components/Eyebrow.h"
#include "ui/components/Fonts.h"
#include "ui/components/Notice.h"
#include "ui/components/PageHeading.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/SymbolButton.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

namespace vantorel {
namespace {

struct Partner {
    const char* name;
    const char* tag;
    const char* detail;
    const char* url; // the partner's own public documentation, always https
};

constexpr Partner partners[] = {
    {"WLVPN", QT_TRANSLATE_NOOP("vantorel::ServiceView", "FIRST CHOICE TO EVALUATE"),
     QT_TRANSLATE_NOOP("vantorel::ServiceView", "Custom apps, Mac SDK and IKEv2 / WireGuard. Partner access is "
                                                "required for the SDK and test network."),
     "https://wlvpn.com/faq/"},
    {"PureWL", QT_TRANSLATE_NOOP("vantorel::ServiceView", "ALTERNATIVE"),
     QT_TRANSLATE_NOOP("vantorel::ServiceView", "Mac SDK and API options for a custom customer experience. Request "
                                                "commercial terms and test access."),
     "https://www.purewl.com/developer/"},
    {"VPNresellers", QT_TRANSLATE_NOOP("vantorel::ServiceView", "API OPTION"),
     QT_TRANSLATE_NOOP("vantorel::ServiceView", "Public account and WireGuard configuration APIs. Requires a "
                                                "separate WireGuard client integration."),
     "https://api.vpnresellers.com/docs/v4_1/"},
};

} // namespace

ServiceView::ServiceView(QWidget* parent) : QWidget(parent) {
    const PlatformText& words = platformText();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(24);
    column->addWidget(new PageHeading(tr("THE NEXT CONNECTION"), tr("Our app. A global network."),
                                      tr("Choose the infrastructure partner behind your VPN service."), this));

    auto* status = new Panel(this);
    status->setObjectName(QStringLiteral("serviceStatusCard"));
    status->setCornerRadius(14);
    auto* statusRow = new QHBoxLayout(status);
    statusRow->setContentsMargins(24, 24, 24, 24);
    statusRow->setSpacing(18);
    statusRow->addWidget(SymbolLabel::decorative(QStringLiteral("antenna.radiowaves.left.and.right"),
                                                 Fonts::symbol(30, QFont::Light), Palette::violet.color(), status),
                         0, Qt::AlignTop);
    auto* statusTexts = new QVBoxLayout;
    statusTexts->setSpacing(8);
    statusTexts->addWidget(new TextLabel(tr("Service is not activated"), Fonts::system(18, QFont::DemiBold),
                                         Palette::text.color(), status));
    auto* statusDetail =
        new TextLabel(platformWords(words.serviceStatusDetail), Fonts::system(13), Palette::muted.color(), status);
    statusDetail->setLineSpacing(4);
    statusTexts->addWidget(statusDetail);
    statusRow->addLayout(statusTexts, 1);
    column->addWidget(status);

    column->addWidget(new Eyebrow(tr("RESELLER SHORTLIST"), this));
    for (const Partner& entry : partners) {
        column->addWidget(
            partner(QString::fromUtf8(entry.name), tr(entry.tag), tr(entry.detail), QString::fromUtf8(entry.url)));
    }
    column->addWidget(new Notice(QStringLiteral("arrow.triangle.branch"), platformWords(words.serviceNextSteps), this));
}

Panel* ServiceView::partner(const QString& name, const QString& tag, const QString& detail, const QString& url) {
    auto* row = new Panel(this);
    row->setObjectName(QStringLiteral("partner-") + name);
    row->setCornerRadius(12);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(22, 22, 22, 22);
    layout->setSpacing(20);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(12);
    auto* title = new TextLabel(name, Fonts::system(17, QFont::DemiBold), Palette::text.color(), row);
    title->setWrapping(false);
    heading->addWidget(title, 0, Qt::AlignVCenter);
    auto* badge =
        new TextLabel(tag, Fonts::tracked(Fonts::system(8, QFont::DemiBold), 1), Palette::violet.color(), row);
    badge->setWrapping(false);
    heading->addWidget(badge, 0, Qt::AlignVCenter);
    heading->addStretch(1);
    texts->addLayout(heading);
    auto* description = new TextLabel(detail, Fonts::system(12), Palette::muted.color(), row);
    description->setObjectName(QStringLiteral("detail"));
    description->setLineSpacing(3);
    texts->addWidget(description);
    // The texts take what the link leaves and wrap in it, so they never run under the link.
    layout->addLayout(texts, 1);

    auto* link = new SymbolButton(QStringLiteral("arrow.up.right"), row);
    link->setObjectName(QStringLiteral("link"));
    link->setFont(Fonts::system(13));
    link->setFill(Palette::violet.color(0.08));
    link->setPadding(10);
    link->setAccessibleName(tr("Read %1 integration details").arg(name));
    link->setToolTip(url);
    connect(link, &QPushButton::clicked, this, [url] { QDesktopServices::openUrl(QUrl(url)); });
    layout->addWidget(link, 0, Qt::AlignVCenter);
    return row;
}

} // namespace vantorel
