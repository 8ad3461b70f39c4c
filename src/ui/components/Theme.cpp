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
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>

namespace vantorel {
namespace {

// Fusion with the app's own plain push buttons ("Select", "Cancel", the alerts' buttons).
class ThemeStyle final : public QProxyStyle {
public:
    ThemeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

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
