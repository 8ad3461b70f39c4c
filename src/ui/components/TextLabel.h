#pragma once

#include <QLabel>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace vantorel {

// Plain text in one font and colour that wraps at word boundaries (or anywhere, for a word longer
// than the line) and is never cut short with an ellipsis. Line spacing is extra space between
// lines. Being a QLabel, it is read by assistive technology like any label.
class TextLabel : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextLabel)

public:
    explicit TextLabel(const QString& text = {}, QWidget* parent = nullptr);
    TextLabel(const QString& text, const QFont& font, const QColor& color, QWidget* parent = nullptr);
    // A label that keeps to one line (one per explicit line break).
    static TextLabel* oneLine(const QString& text, const QFont& font, const QColor& color, QWidget* parent);

    void setColor(const QColor& color);
    QColor color() const;

    void setLineSpacing(qreal spacing);
    qreal lineSpacing() const { return m_lineSpacing; }

    // A text that does not wrap stays on one line (or one per explicit line break) and is
    // clipped, not elided, when it does not fit.
    void setWrapping(bool wrapping);
    bool wrapping() const { return m_wrapping; }

    // For text that does not wrap: when narrower than the text, draw it smaller, down to this
    // fraction of its size (0.85 lets a name shrink to 85 %), before clipping it.
    void setMinimumScaleFactor(qreal factor);

    // For text that does not wrap, and comes from the person or a file (a location's name): the
    // label may be given less room than the text needs, and then shows it shortened with an
    // ellipsis, the whole text in its tooltip (a screen reader reads the whole text all the same).
    void setElided(bool elided);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return m_wrapping; }
    int heightForWidth(int width) const override;

    // Lines the text takes at the given content width.
    int lineCount(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Measure {
        qreal width = 0; // widest line
        qreal height = 0;
        int lines = 0;
    };
    // The text laid out in paragraphs (one per explicit line break) at a content width; a negative
    // width means unbounded.
    struct Layout {
        QString text;
        QFont font;
        qreal width = -2;
        qreal lineSpacing = 0;
        bool wrapping = true;
        Qt::Alignment alignment;
        std::vector<std::unique_ptr<QTextLayout>> paragraphs;
        Measure measure;
    };
    // Shaping text is the costly part of a label, and layouts ask for the same measure again and
    // again: the last layout at the natural width and the last at a given width are kept, and made
    // anew only when the text, font, width or options change.
    const Layout& layOut(qreal width) const;
    // The tooltip of an elided label: the whole text while it does not fit, nothing otherwise.
    void updateToolTip();
    Measure measure(qreal width) const;

    mutable Layout m_natural;
    mutable Layout m_bounded;
    qreal m_lineSpacing = 0;
    qreal m_minimumScale = 1;
    bool m_wrapping = true;
    bool m_elided = false;
};

} // namespace vantorel
