#include "ui/shell/SidebarRow.h"

#include "app/UserText.h"
#include "ui/QtText.h"
#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/Symbols.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>

namespace vantorel {
namespace {

constexpr int horizontalPadding = 14;
constexpr int spacing = 12;
constexpr int symbolBox = 22;
constexpr int capsuleWidth = 3;
constexpr int capsuleHeight = 16;
constexpr qreal cornerRadius = 10;

} // namespace

SidebarRow::SidebarRow(AppPage page, QWidget* parent) : KeyboardFocus(parent), m_page(page) {
    setText(pageTitle(page));
    setObjectName(QStringLiteral("sidebarRow-") + toQString(rawValue(page)).toLower().replace(' ', '-'));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(pageTitle(page));
    setCheckable(false);
    setFont(Fonts::system(13));
}

void SidebarRow::setCurrent(bool current) {
    if (m_current == current) {
        return;
    }
    m_current = current;
    // Screen readers announce the current page as "selected".
    setAccessibleDescription(current ? tr("Current page") : QString());
    update();
}

QSize SidebarRow::sizeHint() const {
    const QFontMetrics metrics(Fonts::system(13, QFont::DemiBold));
    return {horizontalPadding * 2 + symbolBox + spacing + metrics.horizontalAdvance(text()), rowHeight};
}

void SidebarRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    if (m_current) {
        QPainterPath background;
        background.addRoundedRect(box, cornerRadius, cornerRadius);
        painter.fillPath(background, Palette::violet.color(0.10));
    }
    if (showsKeyboardFocus()) {
        painter.setPen(QPen(Palette::violet.color(0.6), 1));
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    }

    const QColor content = (m_current ? Palette::violet : Palette::muted).color();
    qreal x = horizontalPadding;
    const QFont symbolFont = Fonts::system(17);
    const qreal side = Symbols::side(symbolFont);
    Symbols::paint(painter, QRectF(x + (symbolBox - side) / 2, (box.height() - side) / 2, side, side),
                   toQString(symbolName(m_page)), content);
    x += symbolBox + spacing;

    const QFont titleFont = Fonts::system(13, m_current ? QFont::DemiBold : QFont::Normal);
    painter.setFont(titleFont);
    painter.setPen(content);
    const qreal trailing = box.width() - horizontalPadding - (m_current ? capsuleWidth + spacing : 0);
    painter.drawText(QRectF(x, 0, std::max<qreal>(0, trailing - x), box.height()), Qt::AlignVCenter | Qt::AlignLeft,
                     text());

    if (m_current) {
        QPainterPath capsule;
        const QRectF capsuleBox(box.width() - horizontalPadding - capsuleWidth, (box.height() - capsuleHeight) / 2,
                                capsuleWidth, capsuleHeight);
        capsule.addRoundedRect(capsuleBox, capsuleWidth / 2.0, capsuleWidth / 2.0);
        painter.fillPath(capsule, Palette::violet.color());
    }
}

} // namespace vantorel
