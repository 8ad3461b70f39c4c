// The building blocks of the interface on their own: the palette, the type, the symbols and each
// component in its states.
#include "Shot.h"
#include "core/PlatformText.h"
#include "ui/QtText.h"
#include "ui/components/AccentButton.h"
#include "ui/components/Divider.h"
#include "ui/components/Eyebrow.h"
#include "ui/components/Fonts.h"
#include "ui/components/GlobeArtwork.h"
#include "ui/components/MetricCard.h"
#include "ui/components/Notice.h"
#include "ui/components/PageHeading.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/SettingRow.h"
#include "ui/components/Spinner.h"
#include "ui/components/Switch.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/Symbols.h"
#include "ui/components/TextLabel.h"
#include "ui/components/ToggleButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>

namespace vantorel::screenshots {
namespace {

// A window-coloured canvas with room around its content, like the page behind a component.
std::unique_ptr<QWidget> scene(int margin = 24) {
    auto canvas = std::make_unique<QWidget>();
    canvas->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(canvas.get());
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(24);
    return canvas;
}

QVBoxLayout* column(QWidget& canvas) {
    return static_cast<QVBoxLayout*>(canvas.layout());
}

TextLabel* caption(const QString& text, QWidget* parent = nullptr) {
    auto* label = new TextLabel(text, parent);
    label->setFont(Fonts::system(11));
    label->setColor(Palette::muted.color());
    return label;
}

std::unique_ptr<QWidget> paletteShot() {
    auto canvas = scene();
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    const std::pair<const char*, SrgbColor> colors[] = {
        {"background", Palette::background},
        {"sidebar", Palette::sidebar},
        {"panel", Palette::panel},
        {"violet", Palette::violet},
        {"lime", Palette::lime},
        {"muted", Palette::muted},
        {"line", Palette::line},
        {"text", Palette::text},
        {"error", Palette::error},
    };
    int row = 0;
    for (const auto& [name, color] : colors) {
        auto* swatch = new Panel;
        swatch->setFill(color.color());
        swatch->setOutline(Palette::line.color());
        swatch->setCornerRadius(8);
        swatch->setFixedSize(64, 36);
        grid->addWidget(swatch, row, 0);
        auto* label = new TextLabel(QString::fromLatin1(name));
        label->setFont(Fonts::system(13, QFont::Medium));
        grid->addWidget(label, row, 1);
        grid->addWidget(caption(QStringLiteral("%1 %2 %3 · %4 · %5")
                                    .arg(color.red)
                                    .arg(color.green)
                                    .arg(color.blue)
                                    .arg(color.opacity)
                                    .arg(color.color().name(QColor::HexArgb).toUpper())),
                        row, 2);
        ++row;
    }
    column(*canvas)->addLayout(grid);
    return canvas;
}

std::unique_ptr<QWidget> typeShot() {
    auto canvas = scene();
    const std::pair<QFont::Weight, const char*> weights[] = {
        {QFont::ExtraLight, "ultra-light"}, {QFont::Light, "light"},       {QFont::Normal, "regular"},
        {QFont::Medium, "medium"},          {QFont::DemiBold, "semibold"}, {QFont::Bold, "bold"},
    };
    const std::pair<Fonts::Design, const char*> designs[] = {{Fonts::Design::standard, "default"},
                                                             {Fonts::Design::rounded, "rounded"},
                                                             {Fonts::Design::monospaced, "monospaced"}};
    for (const auto& [design, designName] : designs) {
        column(*canvas)->addWidget(new Eyebrow(QString::fromLatin1(designName).toUpper()));
        for (const auto& [weight, weightName] : weights) {
            auto* row = new QHBoxLayout;
            row->setSpacing(16);
            auto* label = caption(QString::fromLatin1(weightName));
            label->setFixedWidth(80);
            row->addWidget(label);
            auto* sample = new TextLabel(QStringLiteral("Vantorel 0123456789 · — … it’s a calmer corner"));
            sample->setFont(Fonts::font(design, 20, weight));
            sample->setWrapping(false);
            row->addWidget(sample, 1);
            column(*canvas)->addLayout(row);
        }
    }
    column(*canvas)->addWidget(new Eyebrow(QStringLiteral("SIZES IN USE")));
    for (int size : {8, 9, 11, 12, 13, 14, 16, 17, 18, 20, 22, 28, 29}) {
        auto* sample = new TextLabel(QStringLiteral("%1 · Your connection, your way.").arg(size));
        sample->setFont(Fonts::system(size));
        sample->setWrapping(false);
        column(*canvas)->addWidget(sample);
    }
    return canvas;
}

std::unique_ptr<QWidget> symbolsShot() {
    auto canvas = scene();
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(14);
    const auto names = Symbols::names();
    for (int i = 0; i < names.size(); ++i) {
        auto* cell = new QHBoxLayout;
        cell->setSpacing(10);
        auto* small = new SymbolLabel(names[i]);
        small->setFont(Fonts::system(17));
        small->setColor(Palette::violet.color());
        small->setBoxWidth(22);
        auto* large = new SymbolLabel(names[i]);
        large->setFont(Fonts::system(34, QFont::Light));
        large->setColor(Palette::lime.color());
        cell->addWidget(small);
        cell->addWidget(large);
        auto* label = caption(names[i]);
        label->setFixedWidth(200);
        cell->addWidget(label);
        grid->addLayout(cell, i / 3, i % 3);
    }
    column(*canvas)->addLayout(grid);
    auto* row = new QHBoxLayout;
    row->setSpacing(24);
    const std::pair<QFont::Weight, int> ladder[] = {
        {QFont::ExtraLight, 54}, {QFont::Light, 34}, {QFont::Normal, 21}, {QFont::Medium, 13}, {QFont::DemiBold, 10}};
    for (const auto& [weight, size] : ladder) {
        auto* symbol = new SymbolLabel(QStringLiteral("globe.americas"));
        symbol->setFont(Fonts::system(size, weight));
        symbol->setColor(Palette::violet.color());
        row->addWidget(symbol, 0, Qt::AlignBottom);
    }
    row->addStretch(1);
    column(*canvas)->addLayout(row);
    return canvas;
}

std::unique_ptr<QWidget> headingShot() {
    auto canvas = scene(32);
    column(*canvas)->addWidget(new PageHeading(QStringLiteral("YOUR WAY OUT"), QStringLiteral("Find your place."),
                                               QStringLiteral("Your saved VPN locations, all in one place.")));
    column(*canvas)->addWidget(new Eyebrow(QStringLiteral("RESELLER SHORTLIST")));
    return canvas;
}

std::unique_ptr<QWidget> metricCardsShot() {
    auto canvas = scene(32);
    auto* three = new QHBoxLayout;
    three->setSpacing(14);
    const PlatformText& words = platformText();
    three->addWidget(new MetricCard(QStringLiteral("network"), QStringLiteral("PROTOCOL"), QStringLiteral("IKEv2"),
                                    toQString(words.protocolDetail)));
    auto* session = new MetricCard(QStringLiteral("clock"), QStringLiteral("SESSION"), QStringLiteral("—"),
                                   QStringLiteral("No active session"));
    session->setValueDesign(Fonts::Design::standard);
    three->addWidget(session);
    three->addWidget(new MetricCard(QStringLiteral("globe"), QStringLiteral("LOCATIONS"), QStringLiteral("12"),
                                    toQString(words.locationsDetail)));
    column(*canvas)->addLayout(three);
    auto* two = new QHBoxLayout;
    two->setSpacing(14);
    auto* timer = new MetricCard(QStringLiteral("clock"), QStringLiteral("SESSION"), QStringLiteral("1:02:37"),
                                 toQString(words.sessionReportedBy));
    timer->setValueDesign(Fonts::Design::monospaced);
    two->addWidget(new MetricCard(QStringLiteral("key"), QStringLiteral("CREDENTIALS"),
                                  toQString(words.credentialsValue), toQString(words.credentialsDetail)));
    two->addWidget(timer);
    column(*canvas)->addLayout(two);
    return canvas;
}

std::unique_ptr<QWidget> noticeShot() {
    auto canvas = scene(32);
    const auto text = QStringLiteral("No analytics or browsing history collection is implemented in this app. Your "
                                     "VPN provider’s separate privacy policy still applies.");
    column(*canvas)->addWidget(new Notice(QStringLiteral("hand.raised"), text));
    // A narrow column: the same notice wraps onto more lines and grows taller.
    auto* narrowRow = new QHBoxLayout;
    auto* narrow = new Notice(QStringLiteral("key.horizontal"), text);
    narrow->setFixedWidth(260);
    narrowRow->addWidget(narrow);
    narrowRow->addStretch(1);
    column(*canvas)->addLayout(narrowRow);
    column(*canvas)->addWidget(new Notice(QStringLiteral("info.circle"),
                                          QStringLiteral("Disconnect your current session to change preferences.")));
    return canvas;
}

Panel* settingsPanel(bool enabled) {
    auto* panel = new Panel;
    panel->setCornerRadius(14);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    auto* first = new Switch;
    first->setChecked(true);
    auto* second = new Switch;
    rows->addWidget(new SettingRow(QStringLiteral("Allow local network access"),
                                   QStringLiteral("Keep printers and other nearby devices reachable outside the VPN."),
                                   QStringLiteral("printer"), first));
    rows->addWidget(new Divider);
    rows->addWidget(
        new SettingRow(toQString(platformText().disconnectOnSleepTitle),
                       QStringLiteral("End your session on sleep. You’ll reconnect manually when you return."),
                       QStringLiteral("moon"), second));
    panel->setEnabled(enabled);
    return panel;
}

std::unique_ptr<QWidget> settingRowsShot() {
    auto canvas = scene(32);
    column(*canvas)->addWidget(settingsPanel(true));
    column(*canvas)->addWidget(caption(QStringLiteral("Disabled (editing not allowed):")));
    column(*canvas)->addWidget(settingsPanel(false));
    return canvas;
}

AccentButton* primaryButton(const QString& text, const QString& symbol) {
    auto* button = new AccentButton(text);
    button->setFont(Fonts::system(13, QFont::DemiBold));
    button->setSymbol(symbol);
    button->setLabelSpacing(9);
    button->setFixedSize(216, 45);
    return button;
}

std::unique_ptr<QWidget> accentButtonsShot() {
    auto canvas = scene(32);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(12);
    const char* states[] = {"enabled", "pressed", "disabled", "busy"};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(caption(QString::fromLatin1(states[i])), 0, i);
        auto* primary = primaryButton(QStringLiteral("Set up your service"), QStringLiteral("arrow.right"));
        auto* add = new AccentButton(QStringLiteral("Add location"));
        add->setFont(Fonts::system(13, QFont::DemiBold));
        add->setSymbol(QStringLiteral("plus"));
        add->setPadding(QMargins(16, 12, 16, 12));
        for (auto* button : {primary, add}) {
            if (i == 1) {
                button->setDown(true);
            } else if (i == 2) {
                button->setEnabled(false);
            } else if (i == 3) {
                button->setBusy(true);
                button->setEnabled(false);
            }
        }
        grid->addWidget(primary, 1, i);
        grid->addWidget(add, 2, i, Qt::AlignLeft);
    }
    column(*canvas)->addLayout(grid);
    auto* disconnect = primaryButton(QStringLiteral("Disconnect"), QStringLiteral("power"));
    column(*canvas)->addWidget(disconnect);
    return canvas;
}

std::unique_ptr<QWidget> controlsShot() {
    auto canvas = scene(32);
    auto* switches = new QHBoxLayout;
    switches->setSpacing(18);
    for (int i = 0; i < 4; ++i) {
        auto* toggle = new Switch;
        toggle->setChecked(i % 2 == 1);
        toggle->setEnabled(i < 2);
        switches->addWidget(toggle);
    }
    switches->addStretch(1);
    column(*canvas)->addWidget(caption(QStringLiteral("Switch: off, on, disabled off, disabled on")));
    column(*canvas)->addLayout(switches);

    auto* toggles = new QHBoxLayout;
    toggles->setSpacing(12);
    for (bool on : {false, true}) {
        auto* favorites = new ToggleButton(QStringLiteral("star"), QStringLiteral("Favorites"));
        favorites->setFont(Fonts::system(13));
        favorites->setChecked(on);
        toggles->addWidget(favorites);
    }
    auto* spinner = new Spinner;
    spinner->setColor(Palette::violet.color());
    toggles->addWidget(spinner);
    toggles->addStretch(1);
    column(*canvas)->addWidget(caption(QStringLiteral("Push-button toggle off and on; spinner")));
    column(*canvas)->addLayout(toggles);

    auto* badges = new QHBoxLayout;
    badges->setSpacing(12);
    auto* badge = new Panel;
    badge->setCapsule(true);
    badge->setFill(Palette::violet.color(0.08));
    auto* badgeText = new TextLabel(toQString(platformText().connectionBadge), badge);
    badgeText->setFont(Fonts::system(11, QFont::Medium));
    badgeText->setColor(Palette::violet.color());
    badgeText->setWrapping(false);
    auto* badgeLayout = new QHBoxLayout(badge);
    badgeLayout->setContentsMargins(12, 7, 12, 7);
    badgeLayout->addWidget(badgeText);
    badges->addWidget(badge, 0, Qt::AlignVCenter);
    auto* link = new Panel;
    link->setCapsule(true);
    link->setFill(Palette::violet.color(0.08));
    auto* arrow = new SymbolLabel(QStringLiteral("arrow.up.right"), link);
    arrow->setFont(Fonts::system(13));
    arrow->setColor(Palette::violet.color());
    auto* linkLayout = new QHBoxLayout(link);
    linkLayout->setContentsMargins(10, 10, 10, 10);
    linkLayout->addWidget(arrow);
    badges->addWidget(link, 0, Qt::AlignVCenter);
    auto* select = new QPushButton(QStringLiteral("Select"));
    auto* selected = new QPushButton(QStringLiteral("Selected"));
    selected->setEnabled(false);
    badges->addWidget(select);
    badges->addWidget(selected);
    badges->addStretch(1);
    column(*canvas)->addWidget(caption(QStringLiteral("Capsule badge, circular link, default push buttons")));
    column(*canvas)->addLayout(badges);

    auto* field = new Panel;
    field->setCornerRadius(10);
    auto* fieldLayout = new QHBoxLayout(field);
    fieldLayout->setContentsMargins(14, 14, 14, 14);
    auto* glass = new SymbolLabel(QStringLiteral("magnifyingglass"));
    glass->setFont(Fonts::system(13));
    glass->setColor(Palette::muted.color());
    auto* edit = new QLineEdit;
    edit->setFrame(false);
    edit->setPlaceholderText(QStringLiteral("Search locations or countries"));
    edit->setAttribute(Qt::WA_MacShowFocusRect, false);
    auto editColors = edit->palette();
    editColors.setColor(QPalette::Base, Qt::transparent);
    edit->setPalette(editColors);
    fieldLayout->addWidget(glass);
    fieldLayout->addWidget(edit, 1);
    auto* filled = new QLineEdit(QStringLiteral("uk.provider.example"));
    filled->selectAll();
    column(*canvas)->addWidget(caption(QStringLiteral("Search box on a panel; a plain field with a selection")));
    column(*canvas)->addWidget(field);
    column(*canvas)->addWidget(filled);
    return canvas;
}

std::unique_ptr<QWidget> globeShot(QSize size) {
    auto canvas = std::make_unique<QWidget>();
    canvas->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(canvas.get());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* globe = new GlobeArtwork;
    globe->setFixedSize(size);
    layout->addWidget(globe);
    return canvas;
}

std::unique_ptr<QWidget> themeShot() {
    auto canvas = scene(32);
    auto* row = new QHBoxLayout;
    row->setSpacing(24);
    auto* scroll = new QScrollBar(Qt::Vertical);
    scroll->setRange(0, 100);
    scroll->setPageStep(30);
    scroll->setValue(20);
    scroll->setFixedHeight(160);
    row->addWidget(scroll);
    auto* menuLike = new QMenu;
    menuLike->addAction(Symbols::icon(QStringLiteral("plus"), Palette::text.color()), QStringLiteral("Add Location…"));
    menuLike->addSeparator();
    menuLike->addAction(QStringLiteral("Show Vantorel"));
    auto* disabled = menuLike->addAction(QStringLiteral("Connect"));
    disabled->setEnabled(false);
    menuLike->addAction(QStringLiteral("Quit Vantorel"));
    menuLike->setWindowFlags(Qt::Widget);
    row->addWidget(menuLike, 0, Qt::AlignTop);
    auto* tip = new TextLabel(QStringLiteral("A tooltip in the palette’s colours"));
    tip->setPalette(QToolTip::palette());
    tip->setAutoFillBackground(true);
    tip->setBackgroundRole(QPalette::ToolTipBase);
    tip->setForegroundRole(QPalette::ToolTipText);
    tip->setContentsMargins(6, 4, 6, 4);
    tip->setWrapping(false);
    row->addWidget(tip, 0, Qt::AlignTop);
    row->addStretch(1);
    column(*canvas)->addLayout(row);
    return canvas;
}

} // namespace

std::vector<Shot> componentShots() {
    return {
        {"palette.png", 0, paletteShot},
        {"type.png", 0, typeShot},
        {"symbols.png", 0, symbolsShot},
        {"page-heading.png", 640, headingShot},
        {"metric-cards.png", 924, metricCardsShot},
        {"notice.png", 640, noticeShot},
        {"setting-rows.png", 760, settingRowsShot},
        {"accent-button.png", 0, accentButtonsShot},
        {"controls.png", 640, controlsShot},
        {"globe-440x235.png", 0,
         [] {
             return globeShot({440, 235});
         }},
        {"globe-600x400.png", 0,
         [] {
             return globeShot({600, 400});
         }},
        {"theme.png", 640, themeShot},
    };
}

} // namespace vantorel::screenshots
