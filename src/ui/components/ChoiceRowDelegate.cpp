#include "ui/components/ChoiceRowDelegate.h"

#include "ui/components/InputField.h"
#include "ui/components/Palette.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>

namespace vantorel {

ChoiceRowDelegate::ChoiceRowDelegate(const QFont& font, QObject* parent)
    : QStyledItemDelegate(parent), m_rowHeight(InputField::panelHeight(font)) {}

QSize ChoiceRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), m_rowHeight};
}

void ChoiceRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const bool chosen = option.state & QStyle::State_Selected;
    const bool focused = option.state & QStyle::State_HasFocus;
    const QRectF row = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(row, 8, 8);
    if (chosen) {
        painter->fillPath(shape, Palette::violet.color(0.10));
        painter->setPen(QPen(Palette::violet.color(focused ? 1.0 : 0.6), 1));
        painter->drawPath(shape);
    } else if (option.state & QStyle::State_MouseOver) {
        painter->fillPath(shape, Palette::line.color());
    }
    const QRect text = option.rect.adjusted(InputField::textStart, 0, -InputField::textStart, 0);
    painter->setFont(option.font);
    painter->setPen((chosen ? Palette::violet : Palette::text).color());
    const QString shown =
        option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, text.width());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

} // namespace vantorel
