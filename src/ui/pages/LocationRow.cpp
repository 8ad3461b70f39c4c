#include "ui/pages/LocationRow.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/SymbolButton.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

LocationRow::LocationRow(QWidget* parent)
    : QWidget(parent), m_name(TextLabel::oneLine({}, Fonts::system(14, QFont::Medium), Palette::text.color(), this)),
      m_detail(TextLabel::oneLine({}, Fonts::system(11), Palette::muted.color(), this)),
      m_star(new SymbolButton(QStringLiteral("star"), this)), m_select(new QPushButton(this)),
      m_menuButton(new SymbolButton(QStringLiteral("ellipsis"), this)) {
    m_name->setObjectName(QStringLiteral("name"));
    m_detail->setObjectName(QStringLiteral("detail"));
    m_star->setObjectName(QStringLiteral("favoriteButton"));
    m_star->setFont(Fonts::system(13));
    m_select->setObjectName(QStringLiteral("selectButton"));
    m_select->setCursor(Qt::PointingHandCursor);
    // As wide as its longer title, so that the controls of every row line up.
    m_select->setText(QStringLiteral("Selected"));
    m_select->setMinimumWidth(m_select->sizeHint().width());
    m_menuButton->setObjectName(QStringLiteral("menuButton"));
    m_menuButton->setFont(Fonts::system(13));
    m_menuButton->setColor(Palette::muted.color());
    m_menuButton->setFixedWidth(24);

    auto* menu = new QMenu(m_menuButton);
    menu->setObjectName(QStringLiteral("rowMenu"));
    m_remove = menu->addAction(QStringLiteral("Remove location\u2026"));
    m_remove->setObjectName(QStringLiteral("removeAction"));
    m_menuButton->setMenu(menu);

    connect(m_star, &QPushButton::clicked, this, [this] { emit favoriteRequested(m_profile); });
    connect(m_select, &QPushButton::clicked, this, [this] { emit selectRequested(m_profile); });
    connect(m_remove, &QAction::triggered, this, [this] { emit removeRequested(m_profile); });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(20, 20, 20, 20);
    row->setSpacing(15);
    row->addWidget(SymbolLabel::decorative(QStringLiteral("globe.europe.africa.fill"), Fonts::system(24, QFont::Light),
                                           Palette::violet.color(), this),
                   0, Qt::AlignVCenter);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(5);
    texts->addWidget(m_name);
    texts->addWidget(m_detail);
    row->addLayout(texts, 1);
    row->addWidget(m_star, 0, Qt::AlignVCenter);
    row->addWidget(m_select, 0, Qt::AlignVCenter);
    row->addWidget(m_menuButton, 0, Qt::AlignVCenter);
}

void LocationRow::setLocation(const VPNProfile& profile, bool selected, bool canEdit) {
    // Every keystroke in the search box passes every row through here: a row whose location and
    // state are the same byte for byte is left alone, without a repaint.
    const bool sameTexts = profile.name == m_profile.name && profile.country == m_profile.country;
    if (m_filled && sameTexts && profile.favorite == m_profile.favorite && selected == m_selected &&
        canEdit == m_canEdit) {
        m_profile = profile;
        return;
    }
    const QString name = QString::fromStdString(profile.name);
    if (!m_filled || !sameTexts) {
        m_name->setText(name);
        m_detail->setText(QString::fromStdString(profile.country) + QStringLiteral("  \u00B7  IKEv2"));
        m_menuButton->setAccessibleName(QStringLiteral("More actions for %1").arg(name));
        setAccessibleName(name);
    }
    m_star->setSymbol(profile.favorite ? QStringLiteral("star.fill") : QStringLiteral("star"));
    m_star->setColor((profile.favorite ? Palette::lime : Palette::muted).color());
    m_star->setAccessibleName(profile.favorite ? QStringLiteral("Remove %1 from favorites").arg(name)
                                               : QStringLiteral("Favorite %1").arg(name));
    m_star->setEnabled(canEdit);
    m_select->setText(selected ? QStringLiteral("Selected") : QStringLiteral("Select"));
    // A screen reader hears the button out of its row, so its name says which location it is for.
    m_select->setAccessibleName(selected ? QStringLiteral("Selected %1").arg(name)
                                         : QStringLiteral("Select %1").arg(name));
    m_select->setEnabled(canEdit && !selected);
    m_menuButton->setEnabled(canEdit);
    m_profile = profile;
    m_selected = selected;
    m_canEdit = canEdit;
    m_filled = true;
}

std::array<QWidget*, 3> LocationRow::controls() const {
    return {m_star, m_select, m_menuButton};
}

} // namespace vantorel
