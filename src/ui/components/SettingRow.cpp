#include "ui/components/SettingRow.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vantorel {

SettingRow::SettingRow(const QString& title, const QString& detail, const QString& icon, QWidget* control,
                       QWidget* parent)
    : QWidget(parent), m_icon(new SymbolLabel(icon, this)), m_title(new TextLabel(title, this)),
      m_detail(new TextLabel(detail, this)), m_control(control) {
    m_icon->setObjectName(QStringLiteral("icon"));
    m_title->setObjectName(QStringLiteral("title"));
    m_detail->setObjectName(QStringLiteral("detail"));
    m_icon->setFont(Fonts::system(21));
    m_icon->setColor(Palette::violet.color());
    m_icon->setBoxWidth(28);
    m_title->setFont(Fonts::system(14, QFont::Medium));
    m_title->setColor(Palette::text.color());
    m_detail->setFont(Fonts::system(12));
    m_detail->setColor(Palette::muted.color());

    // The texts get a widget of their own so that the row can centre them vertically as one block.
    auto* textBlock = new QWidget(this);
    auto* texts = new QVBoxLayout(textBlock);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(8);
    texts->addWidget(m_title);
    texts->addWidget(m_detail);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(24, 24, 24, 24);
    row->setSpacing(18);
    row->addWidget(m_icon, 0, Qt::AlignVCenter);
    row->addWidget(textBlock, 0, Qt::AlignVCenter);
    row->addStretch(1);
    if (m_control != nullptr) {
        row->addWidget(m_control, 0, Qt::AlignVCenter);
    }

    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

} // namespace vantorel
