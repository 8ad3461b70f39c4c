#include "ui/components/Theme.h"

#include "ui/components/ButtonLook.h"
#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/Symbols.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>
#include <algorithm>

namespace vantorel {
namespace {

// The scroll bar: no arrow buttons and no track, only a handle that is thin at rest and wider while
// the pointer is over the bar or the handle is dragged, so that it is easy to hit but not in the way.
constexpr int scrollBarExtent = 12;
constexpr int scrollHandleMinimumLength = 32;
constexpr qreal scrollHandleThickness = 6;
constexpr qreal activeScrollHandleThickness = 10;
constexpr qreal scrollHandleEndInset = 2;

// Where the parts of a scroll bar lie: the handle in proportion to the page shown, the page areas
// before and after it, and nothing for the arrow buttons it does not have.
QRect scrollBarPart(const QStyleOptionSlider& bar, QStyle::SubControl part) {
    const QRect whole = bar.rect;
    const bool horizontal = bar.orientation == Qt::Horizontal;
    const int length = horizontal ? whole.width() : whole.height();
    const qint64 range = qint64(bar.maximum) - bar.minimum;
    int handle = length;
    if (range > 0) {
        handle = int(std::clamp<qint64>(qint64(length) * bar.pageStep / (range + bar.pageStep),
                                        std::min(scrollHandleMinimumLength, length), length));
    }
    const int start =
        QStyle::sliderPositionFromValue(bar.minimum, bar.maximum, bar.sliderPosition, length - handle, bar.upsideDown);
    const auto span = [&](int from, int size) {
        return horizontal ? QRect(whole.x() + from, whole.y(), size, whole.height())
                          : QRect(whole.x(), whole.y() + from, whole.width(), size);
    };
    QRect result;
    switch (part) {
    case QStyle::SC_ScrollBarGroove:
        result = whole;
        break;
    case QStyle::SC_ScrollBarSlider:
        result = span(start, handle);
        break;
    case QStyle::SC_ScrollBarSubPage:
        result = span(0, start);
        break;
    case QStyle::SC_ScrollBarAddPage:
        result = span(start + handle, length - start - handle);
        break;
    default:
        return {};
    }
    return QStyle::visualRect(bar.direction, whole, result);
}

void paintScrollBar(const QStyleOptionSlider& bar, QPainter& painter) {
    if (bar.maximum == bar.minimum) {
        return; // nothing to scroll, nothing to show
    }
    const bool dragged = (bar.activeSubControls & QStyle::SC_ScrollBarSlider) && (bar.state & QStyle::State_Sunken);
    const bool hovered = (bar.state & QStyle::State_MouseOver) && (bar.state & QStyle::State_Enabled);
    const qreal thickness = dragged || hovered ? activeScrollHandleThickness : scrollHandleThickness;
    QRectF handle = scrollBarPart(bar, QStyle::SC_ScrollBarSlider);
    if (bar.orientation == Qt::Horizontal) {
        handle.adjust(scrollHandleEndInset, 0, -scrollHandleEndInset, 0);
        handle.setTop(handle.center().y() - thickness / 2);
        handle.setHeight(thickness);
    } else {
        handle.adjust(0, scrollHandleEndInset, 0, -scrollHandleEndInset);
        handle.setLeft(handle.center().x() - thickness / 2);
        handle.setWidth(thickness);
    }
    double opacity = dragged ? 0.8 : hovered ? 0.6 : 0.4;
    if (!(bar.state & QStyle::State_Enabled)) {
        opacity = 0.2;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::muted.color(opacity));
    painter.drawRoundedRect(handle, thickness / 2, thickness / 2);
    painter.restore();
}

// Fusion with the app's own plain push buttons ("Select", "Cancel", the alerts' buttons) and
// scroll bars.
class ThemeStyle final : public QProxyStyle {
public:
    ThemeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        switch (hint) {
        // Scroll bars lie over the content (the pages' padding, a list's margin) instead of taking a
        // gutter beside it, so that nothing moves sideways when content starts or stops scrolling.
        // Qt calls such bars transient; these are drawn all the same whenever there is something to
        // scroll, thin enough to leave what is under them readable.
        case SH_ScrollBar_Transient:
            return 1;
        // The platform's stock icons (a red cross on Cancel, a green tick on OK) are not the app's.
        case SH_DialogButtonBox_ButtonsHaveIcons:
            return 0;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returned);
        }
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
        case PM_ScrollBarExtent:
            return scrollBarExtent;
        case PM_ScrollBarSliderMin:
            return scrollHandleMinimumLength;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
            control == CC_ScrollBar && bar != nullptr) {
            return scrollBarPart(*bar, part);
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
            control == CC_ScrollBar && bar != nullptr) {
            paintScrollBar(*bar, *painter);
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    void polish(QWidget* widget) override {
        QProxyStyle::polish(widget);
        if (qobject_cast<QScrollBar*>(widget) != nullptr) {
            widget->installEventFilter(this);
        }
    }

    void unpolish(QWidget* widget) override {
        if (qobject_cast<QScrollBar*>(widget) != nullptr) {
            widget->removeEventFilter(this);
        }
        QProxyStyle::unpolish(widget);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A scroll bar repaints only the part under the pointer as it comes and goes; the handle
        // widens with the pointer anywhere over the bar, so the whole bar is repainted.
        if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave) {
            if (auto* bar = qobject_cast<QScrollBar*>(watched)) {
                bar->update();
            }
        }
        return QProxyStyle::eventFilter(watched, event);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        if (type == CT_PushButton) {
            return {contents.width() + 2 * plainButtonHorizontalPadding,
                    std::max(contents.height() + 2 * plainButtonVerticalPadding, plainButtonMinimumHeight)};
        }
        // A field without a frame sits on a panel whose insets give it room, so it is one line tall.
        // QLineEdit asks for a spare pixel above and below the line and Fusion adds room for a
        // frame; both would only make the panel taller than its insets say.
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            type == CT_LineEdit && frame != nullptr && frame->lineWidth == 0) {
            const auto* field = qobject_cast<const QLineEdit*>(widget);
            const QMargins margins = field != nullptr ? field->textMargins() + field->contentsMargins() : QMargins();
            return {contents.width(), option->fontMetrics.height() + margins.top() + margins.bottom()};
        }
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelButtonCommand) {
            const bool enabled = option->state & State_Enabled;
            paintPlainButtonPanel(*painter, option->rect,
                                  {enabled, bool(option->state & (State_Sunken | State_On)),
                                   enabled && (option->state & State_MouseOver),
                                   (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange)});
            return;
        }
        // The button draws its own focus ring, which a dotted rectangle would only clutter.
        if (element == PE_FrameFocusRect && qobject_cast<const QPushButton*>(widget) != nullptr) {
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        // The menu bar asks for its overflow arrow as it is made. Fusion's comes from a PNG read
        // through QImageReader, which loads every image-format plugin at start-up to find out what
        // a PNG is; the app's own chevron needs none.
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
            return Symbols::icon(QStringLiteral("chevron.right"), Palette::text.color());
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

QPalette Theme::palette() {
    const auto background = Palette::background.color();
    const auto panel = Palette::panel.color();
    const auto text = Palette::text.color();
    const auto muted = Palette::muted.color();
    const auto violet = Palette::violet.color();
    // Fusion shades bevels, frames and scroll-bar grooves from these; all stay near the panel.
    const auto raised = panel.lighter(135);

    QPalette colors;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Window, background);
        colors.setColor(group, QPalette::WindowText, text);
        colors.setColor(group, QPalette::Base, panel);
        colors.setColor(group, QPalette::AlternateBase, Palette::sidebar.color());
        colors.setColor(group, QPalette::ToolTipBase, panel);
        colors.setColor(group, QPalette::ToolTipText, text);
        colors.setColor(group, QPalette::PlaceholderText, muted);
        colors.setColor(group, QPalette::Text, text);
        colors.setColor(group, QPalette::Button, raised);
        colors.setColor(group, QPalette::ButtonText, text);
        colors.setColor(group, QPalette::BrightText, Palette::lime.color());
        colors.setColor(group, QPalette::Light, raised.lighter(125));
        colors.setColor(group, QPalette::Midlight, raised);
        colors.setColor(group, QPalette::Mid, panel);
        colors.setColor(group, QPalette::Dark, Palette::sidebar.color());
        colors.setColor(group, QPalette::Shadow, background.darker(150));
        colors.setColor(group, QPalette::Highlight, violet);
        colors.setColor(group, QPalette::HighlightedText, background);
        colors.setColor(group, QPalette::Link, violet);
        colors.setColor(group, QPalette::LinkVisited, violet);
    }
    const auto dimmed = Palette::muted.color(0.55);
    colors.setColor(QPalette::Disabled, QPalette::WindowText, dimmed);
    colors.setColor(QPalette::Disabled, QPalette::Text, dimmed);
    colors.setColor(QPalette::Disabled, QPalette::ButtonText, dimmed);
    colors.setColor(QPalette::Disabled, QPalette::Highlight, Palette::violet.color(0.4));
    colors.setColor(QPalette::Inactive, QPalette::Highlight, Palette::violet.color(0.55));
    return colors;
}

void Theme::apply(QApplication& application) {
    application.setStyle(new ThemeStyle);
    const auto colors = palette();
    application.setPalette(colors);
    // Tooltips keep a palette of their own that setPalette does not reach.
    QToolTip::setPalette(colors);
    QApplication::setFont(Fonts::system(13));
}

} // namespace vantorel
