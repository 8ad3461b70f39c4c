#include "ui/pages/LocationRow.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/PlainButton.h"
#include "ui/components/SymbolButton.h"
#include "ui/components/Symbols.h"

#include <QAction>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

namespace vantorel {
namespace {

constexpr int inset = 20;
constexpr int spacing = 15;
constexpr int lineGap = 5;

const QFont& symbolFont() {
    static const QFont font = Fonts::symbol(24, QFont::Light);
    return font;
}
const QFont& nameFont() {
    static const QFont font = Fonts::system(14, QFont::Medium);
    return font;
}
const QFont& detailFont() {
    static const QFont font = Fonts::system(11);
    return font;
}

int nameHeight() {
    static const int height = QFontMetrics(nameFont()).height();
    return height;
}
int textBlockHeight() {
    static const int height = nameHeight() + lineGap + QFontMetrics(detailFont()).height();
    return height;
}
int symbolSide() {
    static const int side = Symbols::side(symbolFont());
    return side;
}

QString detailText(const VPNProfile& profile) {
    return QString::fromStdString(profile.country) + QStringLiteral("  \u00B7  IKEv2");
}

} // namespace

QStaticText RowTexts::line(const QString& text, const QFont& font, int width) {
    Key key{text, font, width};
    if (const QStaticText* found = m_lines.object(key)) {
        return *found;
    }
    auto* line = new QStaticText(text);
    line->setTextFormat(Qt::PlainText);
    line->prepare(QTransform(), font);
    if (line->size().width() > width) {
        line->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, width));
        line->prepare(QTransform(), font);
    }
    const QStaticText shaped = *line;
    m_lines.insert(std::move(key), line);
    return shaped;
}

LocationRow::LocationRow(RowTexts& texts, QWidget* parent)
    : QWidget(parent), m_texts(texts), m_star(new SymbolButton(QStringLiteral("star"), this)),
      m_select(new PlainButton(this)), m_menuButton(new SymbolButton(QStringLiteral("ellipsis"), this)),
      m_remove(new QAction(tr("Remove location\u2026"), this)) {
    m_star->setObjectName(QStringLiteral("favoriteButton"));
    m_star->setFont(Fonts::system(13));
    m_select->setObjectName(QStringLiteral("selectButton"));
    m_select->setCursor(Qt::PointingHandCursor);
    // As wide as its longer title, so that the controls of every row line up.
    static const int selectWidth = [this] {
        m_select->setText(tr("Selected"));
        return m_select->sizeHint().width();
    }();
    m_select->setMinimumWidth(selectWidth);
    m_menuButton->setObjectName(QStringLiteral("menuButton"));
    m_menuButton->setFont(Fonts::system(13));
    m_menuButton->setColor(Palette::muted.color());
    m_menuButton->setFixedWidth(24);
    m_remove->setObjectName(QStringLiteral("removeAction"));

    connect(m_star, &QPushButton::clicked, this, [this] { emit favoriteRequested(m_profile); });
    connect(m_select, &QPushButton::clicked, this, [this] { emit selectRequested(m_profile); });
    connect(m_menuButton, &QPushButton::clicked, this, &LocationRow::showMenu);
    connect(m_remove, &QAction::triggered, this, [this] { emit removeRequested(m_profile); });

    // The stretch stands where the symbol and the texts are painted.
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(inset, inset, inset, inset);
    row->setSpacing(spacing);
    row->addStretch(1);
    row->addWidget(m_star, 0, Qt::AlignVCenter);
    row->addWidget(m_select, 0, Qt::AlignVCenter);
    row->addWidget(m_menuButton, 0, Qt::AlignVCenter);
}

void LocationRow::setLocation(const VPNProfile& profile, bool selected, bool canEdit) {
    // The list reuses rows for other locations: a menu opened for the location shown before must
    // not remove the one shown now.
    if (m_menu != nullptr && profile.id != m_profile.id) {
        m_menu->hide();
    }
    // Every keystroke in the search box passes every shown row through here: a row whose location
    // and state are the same byte for byte is left alone, without a repaint.
    const bool sameTexts = profile.name == m_profile.name && profile.country == m_profile.country;
    if (m_filled && sameTexts && profile.favorite == m_profile.favorite && selected == m_selected &&
        canEdit == m_canEdit) {
        m_profile = profile;
        return;
    }
    const QString name = QString::fromStdString(profile.name);
    m_profile = profile;
    if (!m_filled || !sameTexts) {
        setAccessibleName(name);
        setAccessibleDescription(detailText(profile));
        m_menuButton->setAccessibleName(tr("More actions for %1").arg(name));
        m_textsReady = false;
        update();
    }
    m_star->setSymbol(profile.favorite ? QStringLiteral("star.fill") : QStringLiteral("star"));
    m_star->setColor((profile.favorite ? Palette::lime : Palette::muted).color());
    m_star->setAccessibleName(profile.favorite ? tr("Remove %1 from favorites").arg(name)
                                               : tr("Favorite %1").arg(name));
    m_star->setEnabled(canEdit);
    m_select->setText(selected ? tr("Selected") : tr("Select"));
    // A screen reader hears the button out of its row, so its name says which location it is for.
    m_select->setAccessibleName(selected ? tr("Selected %1").arg(name) : tr("Select %1").arg(name));
    m_select->setEnabled(canEdit && !selected);
    m_menuButton->setEnabled(canEdit);
    m_selected = selected;
    m_canEdit = canEdit;
    m_filled = true;
}

std::array<QWidget*, 3> LocationRow::controls() const {
    return {m_star, m_select, m_menuButton};
}

QSize LocationRow::sizeHint() const {
    const QSize controls = layout()->sizeHint();
    return {controls.width(), std::max(controls.height(), 2 * inset + textBlockHeight())};
}

QSize LocationRow::minimumSizeHint() const {
    return {layout()->minimumSize().width(), sizeHint().height()};
}

QRect LocationRow::textArea() const {
    const int left = inset + symbolSide() + spacing;
    const int right = m_star->geometry().left() - spacing;
    const int top = (height() - textBlockHeight()) / 2;
    return {left, top, std::max(0, right - left), textBlockHeight()};
}

void LocationRow::prepareTexts() {
    // Shaped when first painted, so that a row given a location it is never painted with costs no
    // shaping.
    const int width = textArea().width();
    const QString name = QString::fromStdString(m_profile.name);
    const QString detail = detailText(m_profile);
    m_name = m_texts.line(name, nameFont(), width);
    m_detail = m_texts.line(detail, detailFont(), width);
    // Shortened to fit, the row says it all to the pointer (and always to a screen reader).
    const bool shortened = QFontMetrics(nameFont()).horizontalAdvance(name) > width ||
                           QFontMetrics(detailFont()).horizontalAdvance(detail) > width;
    setToolTip(shortened ? name + QLatin1Char('\n') + detail : QString());
    m_textsReady = true;
}

void LocationRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) {
        m_textsReady = false;
    }
}

void LocationRow::paintEvent(QPaintEvent*) {
    if (!m_textsReady) {
        prepareTexts();
    }
    QPainter painter(this);
    const int side = symbolSide();
    Symbols::paint(painter, QRectF(inset, (height() - side) / 2, side, side),
                   QStringLiteral("globe.europe.africa.fill"), Palette::violet.color(), QFont::Light);
    const QRect area = textArea();
    painter.setFont(nameFont());
    painter.setPen(Palette::text.color());
    painter.drawStaticText(area.topLeft(), m_name);
    painter.setFont(detailFont());
    painter.setPen(Palette::muted.color());
    painter.drawStaticText(area.topLeft() + QPoint(0, nameHeight() + lineGap), m_detail);
}

void LocationRow::showMenu() {
    if (m_menu == nullptr) {
        m_menu = new QMenu(this);
        m_menu->setObjectName(QStringLiteral("rowMenu"));
        m_menu->addAction(m_remove);
    }
    m_menu->popup(m_menuButton->mapToGlobal(QPoint(0, m_menuButton->height())));
}

} // namespace vantorel
