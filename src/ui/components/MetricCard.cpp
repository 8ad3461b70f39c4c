#include "ui/components/MetricCard.h"

#include "ui/components/IconLabel.h"
#include "ui/components/Palette.h"
#include "ui/components/TextLabel.h"

#include <QFontMetricsF>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vantorel {
namespace {

constexpr int valueSize = 20;

// The faces' lines differ in height, and a value may change face (the session's dash, then its
// running timer): its line is as tall as the tallest, so that a card keeps its height whatever
// draws the value, and the cards of a row line up.
int valueLineHeight() {
    qreal tallest = 0;
    for (const auto design : {Fonts::Design::standard, Fonts::Design::rounded, Fonts::Design::monospaced}) {
        tallest = std::max(tallest, QFontMetricsF(Fonts::font(design, valueSize, QFont::Medium)).height());
    }
    return int(std::ceil(tallest));
}

} // namespace

MetricCard::MetricCard(const QString& icon, const QString& title, const QString& value, const QString& detail,
                       QWidget* parent)
    : Panel(parent), m_caption(new IconLabel(icon, title, this)), m_value(new TextLabel(value, this)),
      m_detail(new TextLabel(detail, this)) {
    m_caption->setObjectName(QStringLiteral("caption"));
    m_value->setObjectName(QStringLiteral("value"));
    m_detail->setObjectName(QStringLiteral("detail"));
    setCornerRadius(12);

    m_caption->setFont(Fonts::tracked(Fonts::system(9, QFont::Medium), 1.0));
    m_caption->setColor(Palette::muted.color());
    m_value->setFont(Fonts::rounded(valueSize, QFont::Medium));
    m_value->setColor(Palette::text.color());
    m_value->setWrapping(false);
    m_value->setFixedHeight(valueLineHeight());
    m_detail->setFont(Fonts::system(11));
    m_detail->setColor(Palette::muted.color());

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(9);
    column->addWidget(m_caption);
    column->addWidget(m_value);
    column->addWidget(m_detail);
    // A card taller than its content (beside a taller one) keeps the content together at the top.
    column->addStretch(1);

    // Equal stretch makes the cards of one row split it evenly whatever their texts.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHorizontalStretch(1);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void MetricCard::setValue(const QString& value) {
    m_value->setText(value);
}

QString MetricCard::value() const {
    return m_value->text();
}

void MetricCard::setValueDesign(Fonts::Design design) {
    m_value->setFont(Fonts::font(design, valueSize, QFont::Medium));
}

void MetricCard::setDetail(const QString& detail) {
    m_detail->setText(detail);
}

QString MetricCard::detail() const {
    return m_detail->text();
}

} // namespace vantorel
