#include "ui/components/PageHeading.h"

#include "ui/components/Eyebrow.h"
#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"

#include <QVBoxLayout>

namespace vantorel {

PageHeading::PageHeading(const QString& eyebrow, const QString& title, const QString& subtitle, QWidget* parent)
    : QWidget(parent), m_eyebrow(new Eyebrow(eyebrow, this)), m_title(new TextLabel(title, this)),
      m_subtitle(new TextLabel(subtitle, this)) {
    m_eyebrow->setObjectName(QStringLiteral("eyebrow"));
    m_title->setObjectName(QStringLiteral("title"));
    m_subtitle->setObjectName(QStringLiteral("subtitle"));
    m_title->setFont(Fonts::rounded(28, QFont::DemiBold));
    m_title->setColor(Palette::text.color());
    m_subtitle->setFont(Fonts::system(13));
    m_subtitle->setColor(Palette::muted.color());

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(m_eyebrow);
    column->addWidget(m_title);
    column->addWidget(m_subtitle);
    column->addStretch(1);
}

} // namespace vantorel
