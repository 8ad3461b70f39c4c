#include "ui/components/TextLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vantorel {

TextLabel::TextLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

TextLabel::TextLabel(const QString& text, const QFont& font, const QColor& color, QWidget* parent)
    : TextLabel(text, parent) {
    setFont(font);
    setColor(color);
}

TextLabel* TextLabel::oneLine(const QString& text, const QFont& font, const QColor& color, QWidget* parent) {
    auto* label = new TextLabel(text, font, color, parent);
    label->setWrapping(false);
    return label;
}

void TextLabel::setColor(const QColor& color) {
    auto colors = palette();
    colors.setColor(foregroundRole(), color);
    setPalette(colors);
}

QColor TextLabel::color() const {
    return palette().color(foregroundRole());
}

void TextLabel::setLineSpacing(qreal spacing) {
    if (spacing == m_lineSpacing) {
        return;
    }
    m_lineSpacing = spacing;
    updateGeometry();
    update();
}

void TextLabel::setWrapping(bool wrapping) {
    if (wrapping == m_wrapping) {
        return;
    }
    m_wrapping = wrapping;
    auto policy = sizePolicy();
    policy.setHeightForWidth(wrapping);
    setSizePolicy(policy);
    updateGeometry();
    update();
}

void TextLabel::setElided(bool elided) {
    m_elided = elided;
    updateGeometry();
    updateToolTip();
    update();
}

void TextLabel::updateToolTip() {
    if (m_elided) {
        setToolTip(measure(-1).width > contentsRect().width() ? text() : QString());
    }
}

void TextLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateToolTip();
}

void TextLabel::setMinimumScaleFactor(qreal factor) {
    m_minimumScale = std::clamp(factor, 0.1, 1.0);
    updateGeometry();
    update();
}

const TextLabel::Layout& TextLabel::layOut(qreal width) const {
    const bool bounded = width >= 0;
    Layout& cached = bounded ? m_bounded : m_natural;
    // Unbounded, a line is placed at the left: a one-line label is painted from this same layout,
    // placed by the label itself, so that its text is shaped once (QTextLayout shapes afresh on
    // every layout pass, and shaping is most of what a label costs).
    const Qt::Alignment alignment = bounded ? this->alignment() & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
    if (cached.width == width && cached.wrapping == m_wrapping && cached.lineSpacing == m_lineSpacing &&
        cached.alignment == alignment && cached.text == text() && cached.font == font()) {
        return cached;
    }
    cached = Layout{text(), font(), width, m_lineSpacing, m_wrapping, alignment, {}, {}};

    QTextOption option(alignment);
    option.setWrapMode(m_wrapping && bounded ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    const qreal lineWidth = bounded ? width : 1e6;
    Measure& result = cached.measure;
    qreal y = 0;
    for (const auto& paragraph : cached.text.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, cached.font);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        for (auto line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(lineWidth);
            if (result.lines > 0) {
                y += m_lineSpacing;
            }
            line.setPosition(QPointF(0, y));
            y += line.height();
            result.width = std::max(result.width, line.naturalTextWidth());
            ++result.lines;
        }
        layout->endLayout();
        cached.paragraphs.push_back(std::move(layout));
    }
    result.height = y;
    return cached;
}

TextLabel::Measure TextLabel::measure(qreal width) const {
    // Where the text's natural width fits, it takes one line a paragraph at this width as at any
    // wider one: its measure is the natural one. A layout tries a label at many widths, and each
    // of them would otherwise shape the text again.
    if (width >= 0) {
        if (const Measure& natural = layOut(-1).measure; natural.width <= width) {
            return natural;
        }
    }
    return layOut(width).measure;
}

QSize TextLabel::sizeHint() const {
    const auto natural = measure(-1);
    const auto margins = contentsMargins();
    return QSize(int(std::ceil(natural.width)) + margins.left() + margins.right(),
                 int(std::ceil(natural.height)) + margins.top() + margins.bottom());
}

QSize TextLabel::minimumSizeHint() const {
    if (!m_wrapping && m_elided) {
        // Room for an ellipsis at the least: whatever is longer is shortened.
        const auto margins = contentsMargins();
        return QSize(QFontMetrics(font()).horizontalAdvance(QChar(0x2026)) + margins.left() + margins.right(),
                     sizeHint().height());
    }
    if (!m_wrapping) {
        const auto natural = sizeHint();
        const auto margins = contentsMargins();
        const int text = natural.width() - margins.left() - margins.right();
        return QSize(int(std::ceil(text * m_minimumScale)) + margins.left() + margins.right(), natural.height());
    }
    // As narrow as the longest word, so a layout short of room wraps the text rather than
    // squeezing it below what one word needs.
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    const QString content = text();
    for (qsizetype start = 0; start < content.size();) {
        if (content.at(start).isSpace()) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < content.size() && !content.at(end).isSpace()) {
            ++end;
        }
        widest = std::max(widest, metrics.horizontalAdvance(content.sliced(start, end - start)));
        start = end;
    }
    const auto margins = contentsMargins();
    const int width = int(std::ceil(widest)) + margins.left() + margins.right();
    // The height a layout actually gives comes from heightForWidth; as a minimum, one line's worth.
    const auto natural = sizeHint();
    return QSize(std::min(width, natural.width()), natural.height());
}

int TextLabel::heightForWidth(int width) const {
    const auto margins = contentsMargins();
    const qreal content = std::max(1, width - margins.left() - margins.right());
    return int(std::ceil(measure(m_wrapping ? content : -1).height)) + margins.top() + margins.bottom();
}

int TextLabel::lineCount(int width) const {
    return measure(m_wrapping ? qreal(width) : -1).lines;
}

void TextLabel::paintEvent(QPaintEvent*) {
    // Here as well as on resizing: the text may have changed since, and QLabel says nothing of that.
    updateToolTip();
    const auto area = contentsRect();
    qreal scale = 1;
    if (!m_wrapping && m_minimumScale < 1) {
        const auto natural = measure(-1);
        if (natural.width > area.width()) {
            scale = std::max(m_minimumScale, area.width() / natural.width);
        }
    }
    // Left-aligned text that fits on its lines is drawn exactly as it was laid out unbounded.
    const qreal width = area.width() / scale;
    const bool fits =
        !m_wrapping || (!(alignment() & (Qt::AlignHCenter | Qt::AlignRight)) && measure(-1).width <= width);
    const Layout& used = layOut(fits ? -1 : width);
    const qreal height = used.measure.height * scale;
    qreal left = area.left();
    if (!m_wrapping && (alignment() & (Qt::AlignHCenter | Qt::AlignRight))) {
        const qreal room = area.width() - used.measure.width * scale;
        left += alignment() & Qt::AlignHCenter ? room / 2 : room;
    }
    qreal top = area.top();
    if (alignment() & Qt::AlignVCenter) {
        top += (area.height() - height) / 2;
    } else if (alignment() & Qt::AlignBottom) {
        top += area.height() - height;
    }
    QPainter painter(this);
    painter.setPen(color());
    if (m_elided && !m_wrapping && used.measure.width * scale > area.width()) {
        // Each line shortened to the room, where it starts: an elided text is the start of the text.
        const QFontMetricsF metrics(font());
        qreal y = top;
        painter.setFont(font());
        for (const QString& line : text().split(QLatin1Char('\n'))) {
            painter.drawText(QPointF(area.left(), y + metrics.ascent()),
                             metrics.elidedText(line, Qt::ElideRight, area.width()));
            y += metrics.height() + m_lineSpacing;
        }
        return;
    }
    painter.translate(left, top);
    painter.scale(scale, scale);
    for (const auto& paragraph : used.paragraphs) {
        paragraph->draw(&painter, QPointF(0, 0));
    }
}

void TextLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
}

} // namespace vantorel
