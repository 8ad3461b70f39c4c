// Renders the building blocks of the interface offscreen into PNG files, two device pixels to the
// point, so that they can be reviewed against the intended look.
#include "app/AppModel.h"
#include "core/PlatformText.h"
#include "app/TunnelStates.h"
#include "core/AtomicFile.h"
#include "core/CredentialVault.h"
#include "core/LibraryDocument.h"
#include "ui/QtText.h"
#include "ui/components/AccentButton.h"
#include "ui/components/Divider.h"
#include "ui/components/Eyebrow.h"
#include "ui/components/Fonts.h"
#include "ui/components/GlobeArtwork.h"
#include "ui/components/IconLabel.h"
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
#include "ui/components/Theme.h"
#include "ui/components/ToggleButton.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/AddLocationView.h"
#include "ui/pages/ConnectionView.h"
#include "ui/pages/LocationRow.h"
#include "ui/pages/LocationsView.h"
#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>
#include <memory>

using namespace vantorel;

namespace {

constexpr qreal scale = 2.0;

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

// The screenshots never store a password; a vault that refuses keeps the real keyring out of it.
class RefusingVault final : public CredentialVault {
public:
    std::expected<void, VPNFailure> insert(std::string_view, const Uuid&) override {
        return std::unexpected(VPNFailure::credentialsUnavailable());
    }
    std::expected<void, VPNFailure> remove(const Uuid&) override { return {}; }
};

// The main window on a page, over a made-up library of eight locations (or none) read from a
// throwaway folder. `state` puts the model into the state to be shown.
std::unique_ptr<QWidget> windowShot(AppPage page,
                                    const std::function<void(AppModel&, const ProfileLibrary&)>& state = {},
                                    bool withLocations = true) {
    ProfileLibrary library;
    const std::tuple<const char*, const char*, const char*, bool> locations[] = {
        {"London", "United Kingdom", "uk.provider.example", true},
        {"Amsterdam 2", "Netherlands", "nl2.provider.example", false},
        {"Amsterdam 10", "Netherlands", "nl10.provider.example", false},
        {"Z\u00fcrich", "Switzerland", "ch.provider.example", true},
        {"Oslo", "Norway", "no.provider.example", false},
        {"Montr\u00e9al", "Canada", "ca.provider.example", false},
        {"Tokyo", "Japan", "jp.provider.example", true},
        {"S\u00e3o Paulo", "Brazil", "br.provider.example", false},
    };
    for (const auto& [name, country, server, favorite] : locations) {
        if (withLocations) {
            library.profiles.push_back(VPNProfile{Uuid::random(), QString::fromUtf8(name).toStdString(), country,
                                                  server, server, "customer-0042", Uuid::random(), favorite});
        }
    }
    if (withLocations) {
        library.selectedID = library.profiles[4].id;
    }
    library.settings.allowLocalNetwork = true;
    QTemporaryDir folder;
    const auto document = std::filesystem::path(folder.path().toStdString()) / "locations-v1.json";
    (void)writeFileAtomically(LibraryDocument::encode(library), document);
    auto model = std::make_unique<AppModel>(std::make_unique<RefusingVault>(), document);
    QApplication::processEvents(); // the model's first refresh
    model->setPage(page);
    if (state) {
        state(*model, library);
    }
    auto window = std::make_unique<MainWindow>(*model);
    model.release()->setParent(window.get()); // destroyed after the window's own widgets
    return window;
}

QImage render(QWidget& widget) {
    QImage image(widget.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

// `busy` holds only inside one of the model's operations, so the picture is taken from inside a
// refresh, once the flag is set and before the phase changes.
QImage renderWhileBusy(QWidget& window) {
    auto* model = window.findChild<AppModel*>();
    auto* page = window.findChild<ConnectionView*>();
    QImage image;
    const auto hook = QObject::connect(model, &AppModel::willChange, &window, [&] {
        if (model->busy() && image.isNull()) {
            page->refresh();
            image = render(window);
        }
    });
    model->refresh();
    QObject::disconnect(hook);
    return image;
}

struct Shot {
    const char* file;
    int width; // 0: the content's own width
    std::function<std::unique_ptr<QWidget>()> build;
    std::function<QImage(QWidget&)> capture = render;
};

bool save(const Shot& shot, const QDir& folder) {
    auto widget = shot.build();
    widget->ensurePolished();
    const int width = shot.width > 0 ? shot.width : widget->sizeHint().width();
    const int height = qobject_cast<QMainWindow*>(widget.get()) != nullptr ? MainWindow::defaultWindowSize.height()
                       : widget->hasHeightForWidth()                       ? widget->heightForWidth(width)
                                                                           : widget->sizeHint().height();
    widget->resize(width, height);
    widget->show();
    QApplication::processEvents();
    // A window is made as tall as its page needs, so that the picture shows the whole page.
    if (auto* scroll = widget->findChild<QScrollArea*>(QStringLiteral("pageScrollArea"))) {
        const int hidden = scroll->widget()->heightForWidth(scroll->viewport()->width()) - scroll->viewport()->height();
        if (hidden > 0) {
            widget->resize(width, height + hidden);
            QApplication::processEvents();
        }
    }

    const QImage image = shot.capture(*widget);
    const auto path = folder.filePath(QString::fromLatin1(shot.file));
    if (!image.save(path)) {
        std::fprintf(stderr, "vantorel-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The removal confirmation for the first location of the list, as the row's menu opens it.
QImage renderRemovalConfirmation(QWidget& window) {
    auto* page = window.findChild<LocationsView*>();
    page->findChild<LocationRow*>()->findChild<QAction*>(QStringLiteral("removeAction"))->trigger();
    QApplication::processEvents();
    return render(*page->removalConfirmation());
}

// The add-location sheet as it opens; with `saved`, after "Save location" with every field empty.
std::function<QImage(QWidget&)> renderSheet(bool saved) {
    return [saved](QWidget& window) {
        auto* sheet = window.findChild<AddLocationSheet*>();
        if (saved) {
            sheet->view()->save();
        }
        QApplication::processEvents();
        return render(*sheet);
    };
}

std::function<std::unique_ptr<QWidget>()> windowIn(AppPage page, TunnelPhase phase, bool sessionStarted = false) {
    return [=] {
        return windowShot(page, [=](AppModel& model, const ProfileLibrary& library) {
            // A session on the first location, started an hour, two minutes and five seconds ago.
            const std::optional<QDateTime> since =
                sessionStarted ? std::optional(QDateTime::currentDateTimeUtc().addSecs(-3725)) : std::nullopt;
            reportTunnelStatus(model, phase, since, library.profiles.front().id);
        });
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantorel-screenshots <output folder>\n");
        return 2;
    }
    // Offscreen unless told otherwise: the tool runs on machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    Theme::apply(application);

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.absolutePath())) {
        std::fprintf(stderr, "vantorel-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    const Shot shots[] = {
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
        {"window-connection.png", 1140, windowIn(AppPage::connection, TunnelPhase::unavailable)},
        {"window-connection-unknown-busy.png", 1140, windowIn(AppPage::connection, TunnelPhase::unknown),
         renderWhileBusy},
        {"window-connection-connected.png", 1140, windowIn(AppPage::connection, TunnelPhase::connected, true)},
        {"window-connection-connecting.png", 1140, windowIn(AppPage::connection, TunnelPhase::connecting)},
        {"window-locations.png", 1140,
         [] {
             return windowShot(AppPage::locations);
         }},
        {"window-locations-empty.png", 1140,
         [] {
             return windowShot(AppPage::locations, {}, false);
         }},
        {"window-locations-no-match.png", 1140,
         [] {
             return windowShot(AppPage::locations, [](AppModel& model, const ProfileLibrary&) {
                 model.setQuery(QStringLiteral("Lisbon"));
             });
         }},
        {"window-locations-locked.png", 1140, windowIn(AppPage::locations, TunnelPhase::connected, true)},
        {"dialog-remove-location.png", 1140, [] { return windowShot(AppPage::locations); }, renderRemovalConfirmation},
        {"sheet-add-location.png", 1140,
         [] {
             return windowShot(AppPage::locations,
                               [](AppModel& model, const ProfileLibrary&) { model.setShowingAdd(true); });
         },
         renderSheet(false)},
        {"sheet-add-location-error.png", 1140,
         [] {
             return windowShot(AppPage::locations,
                               [](AppModel& model, const ProfileLibrary&) { model.setShowingAdd(true); });
         },
         renderSheet(true)},
        {"window-preferences.png", 1140, windowIn(AppPage::preferences, TunnelPhase::disconnected)},
        {"window-preferences-disabled.png", 1140, windowIn(AppPage::preferences, TunnelPhase::connected, true)},
        {"window-service.png", 1140,
         [] {
             return windowShot(AppPage::service);
         }},
    };
    bool ok = true;
    for (const auto& shot : shots) {
        ok = save(shot, folder) && ok;
    }
    return ok ? 0 : 1;
}
