#include "ui/components/Notice.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"

#include <QHBoxLayout>

namespace vantorel {

Notice::Notice(const QString& icon, const QString& text, QWidget* parent)
    : QWidget(parent), m_icon(new SymbolLabel(icon, this)), m_text(new TextLabel(text, this)) {
    m_icon->setObjectName(QStringLiteral("icon"));
    m_text->setObjectName(QStringLiteral("text"));
    m_icon->setFont(Fonts::system(13));
    m_icon->setColor(Palette::violet.color());
    m_text->setFont(Fonts::system(11));
    m_text->setColor(Palette::muted.color());
    m_text->setLineSpacing(4);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    row->addWidget(m_text, 1, Qt::AlignTop);

    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void Notice::setText(const QString& text) {
    m_text->setText(text);
}

QString Notice::text() const {
    return m_text->text();
}

} // namespace vantorel
