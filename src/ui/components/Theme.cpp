#include "ui/components/Theme.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolTip>

namespace vantorel {
namespace {

// Fusion with the app's own plain push buttons ("Select", "Cancel", the alerts' buttons): a
// rounded, faintly lit panel with room around the text, brighter while hovered, darker while held
// down, dimmed while disabled, with a violet ring when the keyboard focuses it.
class ThemeStyle final : public QProxyStyle {
public:
    ThemeStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        if (type != CT_PushButton) {
            return QProxyStyle::sizeFromContents(type, option, contents, widget);
        }
        return {contents.width() + 2 * horizontalPadding, std::max(contents.height() + 2 * verticalPadding, 30)};
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelButtonCommand) {
            paintButton(*option, *painter);
            return;
        }
        // The button draws its own focus ring, which a dotted rectangle would only clutter.
        if (element == PE_FrameFocusRect && qobject_cast<const QPushButton*>(widget) != nullptr) {
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static constexpr int horizontalPadding = 14;
    static constexpr int verticalPadding = 7;
    static constexpr qreal radius = 7;

    static void paintButton(const QStyleOption& option, QPainter& painter) {
        const bool enabled = option.state & State_Enabled;
        const bool down = option.state & (State_Sunken | State_On);
        const bool hovered = enabled && (option.state & State_MouseOver);
        qreal lift = 0.08;
        if (!enabled) {
            lift = 0.04;
        } else if (down) {
            lift = 0.04;
        } else if (hovered) {
            lift = 0.12;
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setBrush(Palette::text.color(lift));
        painter.setPen(QPen(Palette::line.color(enabled ? 0.12 : 0.06), 1));
        painter.drawRoundedRect(area, radius, radius);
        if ((option.state & State_HasFocus) && (option.state & State_KeyboardFocusChange)) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Palette::violet.color(0.8), 1.5));
            painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
        }
        painter.restore();
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
    Fonts::load();
    application.setStyle(new ThemeStyle);
    const auto colors = palette();
    application.setPalette(colors);
    // Tooltips keep a palette of their own that setPalette does not reach.
    QToolTip::setPalette(colors);
    QApplication::setFont(Fonts::system(13));
}

} // namespace vantorel
