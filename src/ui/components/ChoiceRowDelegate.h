#pragma once

#include <QStyledItemDelegate>

namespace vantorel {

// Draws a list's rows as the fields beside it are drawn: as tall as a field, the text where a field's
// text starts, shortened with an ellipsis where the row is too narrow, and the chosen row marked as
// the sidebar marks the current page, in violet. The mark does not fade when the list loses the
// focus; the focus itself shows as a stronger outline.
class ChoiceRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChoiceRowDelegate)

public:
    // Rows for text in `font`.
    explicit ChoiceRowDelegate(const QFont& font, QObject* parent = nullptr);

    int rowHeight() const { return m_rowHeight; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_rowHeight;
};

} // namespace vantorel
