#include "ui/shell/Sidebar.h"

#include "app/UserText.h"
#include "core/PlatformText.h"
#include "ui/QtText.h"
#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/TextLabel.h"
#include "ui/shell/SidebarRow.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace vantorel {
namespace {

QWidget* header(QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(26, 46, 0, 44);
    row->setSpacing(10);

    row->addWidget(SymbolLabel::decorative(QStringLiteral("shield.lefthalf.filled"), Fonts::symbol(27, QFont::Medium),
                                           Palette::violet.color(), header),
                   0, Qt::AlignVCenter);

    auto* names = new QVBoxLayout;
    names->setSpacing(1);
    auto* name = TextLabel::oneLine(QStringLiteral("Vantorel"), Fonts::system(16, QFont::DemiBold),
                                    Palette::text.color(), header);
    name->setMinimumScaleFactor(0.85);
    names->addWidget(name);
    // The letters are spaced by hand, with two spaces between the words.
    auto* platform = TextLabel::oneLine(platformWords(platformText().sidebarPlatform), Fonts::system(9, QFont::Bold),
                                        Palette::muted.color(), header);
    platform->setObjectName(QStringLiteral("sidebarPlatform"));
    // Not to be spelt out letter by letter.
    platform->setAccessibleName(platformWords(platformText().sidebarPlatformSpoken));
    names->addWidget(platform);
    row->addLayout(names);
    row->addStretch(1);
    return header;
}

QWidget* card(QWidget* parent) {
    auto* card = new Panel(parent);
    card->setObjectName(QStringLiteral("sidebarCard"));
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(18, 18, 18, 18);
    column->setSpacing(9);
    column->addWidget(
        SymbolLabel::decorative(QStringLiteral("sparkle"), Fonts::symbol(13), Palette::violet.color(), card), 0,
        Qt::AlignLeft);
    column->addWidget(TextLabel::oneLine(Sidebar::tr("Made to be yours."), Fonts::system(13, QFont::Medium),
                                         Palette::text.color(), card));
    auto* body = new TextLabel(Sidebar::tr("Your connection.\nA calmer corner of the internet."), Fonts::system(11),
                               Palette::muted.color(), card);
    body->setLineSpacing(4);
    column->addWidget(body);
    return card;
}

QWidget* footer(QWidget* parent) {
    auto* footer = new QWidget(parent);
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(26, 0, 26, 22);
    row->setSpacing(0);
    const QFont font = Fonts::system(9, QFont::Medium);
    row->addWidget(TextLabel::oneLine(platformWords(platformText().previewFooter), Fonts::tracked(font, 1.1),
                                      Palette::muted.color(), footer));
    row->addStretch(1);
    row->addWidget(TextLabel::oneLine(QStringLiteral(VANTOREL_VERSION), font, Palette::muted.color(), footer));
    return footer;
}

} // namespace

Sidebar::Sidebar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sidebar"));
    setFixedWidth(columnWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(header(this));

    auto* section = TextLabel::oneLine(tr("WORKSPACE"), Fonts::tracked(Fonts::system(9, QFont::DemiBold), 1.8),
                                       Palette::muted.color(), this);
    section->setContentsMargins(28, 0, 0, 14);
    column->addWidget(section);

    for (std::size_t i = 0; i < allPages.size(); ++i) {
        auto* row = new SidebarRow(allPages[i], this);
        m_rows[i] = row;
        auto* holder = new QHBoxLayout;
        holder->setContentsMargins(14, 0, 14, 5);
        holder->addWidget(row);
        column->addLayout(holder);
        connect(row, &SidebarRow::clicked, this, [this, page = allPages[i]] { emit pageChosen(page); });
    }
    column->addStretch(1);

    auto* cardHolder = new QVBoxLayout;
    cardHolder->setContentsMargins(16, 16, 16, 16);
    cardHolder->addWidget(card(this));
    column->addLayout(cardHolder);
    column->addWidget(footer(this));
}

void Sidebar::setCurrentPage(AppPage page) {
    for (auto* row : m_rows) {
        row->setCurrent(row->page() == page);
    }
}

SidebarRow* Sidebar::row(AppPage page) const {
    return m_rows[static_cast<std::size_t>(page)];
}

void Sidebar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Palette::sidebar.color());
}

} // namespace vantorel
