// The window in German and in English: every text a person reads or hears goes through the
// translation, German fits the smallest window, English stays the texts the program is written in,
// and neither says what is only true on another platform.
#include "app/UserText.h"
#include "core/PlatformText.h"
#include "core/VPNFailure.h"
#include "support/WindowFixture.h"
#include "ui/components/Alert.h"
#include "ui/components/GlobeArtwork.h"
#include "ui/components/SymbolLabel.h"
#include "ui/components/Symbols.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/LocationRow.h"
#include "ui/shell/Sidebar.h"
#include "ui/shell/SidebarRow.h"
#include "ui/shell/TrayMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <map>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

using Texts = std::map<QString, QString>;

// Every text of `root` and what it holds that a person can read or hear, by where it is.
void collect(const QWidget& root, const QString& prefix, Texts& texts) {
    const auto where = [&](const QObject* object) {
        QStringList path{prefix};
        for (const QObject* at = object; at != nullptr && at != &root; at = at->parent()) {
            path.insert(1, at->objectName().isEmpty() ? QString::number(at->parent()->children().indexOf(at))
                                                      : at->objectName());
        }
        return path.join(u'/');
    };
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&root)) {
            continue;
        }
        const QString at = where(widget);
        if (const auto* symbol = qobject_cast<const SymbolLabel*>(widget); symbol && !symbol->symbol().isEmpty()) {
            EXPECT_TRUE(Symbols::contains(symbol->symbol())) << symbol->symbol().toStdString();
        }
        texts[at + QStringLiteral("#name")] = widget->accessibleName();
        texts[at + QStringLiteral("#description")] = widget->accessibleDescription();
        texts[at + QStringLiteral("#tip")] = widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts[at] = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts[at] = button->text();
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            texts[at + QStringLiteral("#placeholder")] = field->placeholderText();
        }
    }
    for (const QAction* action : root.findChildren<QAction*>()) {
        texts[where(action) + QStringLiteral("#action")] = action->text();
    }
}

// Whether a text of the window is words of the program's own: not a name, a number or a host
// from the library, nor a name that no language translates.
bool isProgramWords(const QString& text, const ProfileLibrary& library) {
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
    static const QStringList names{"Vantorel",    "Linux", "IKEv2",  "OK",           "NetworkManager", "Secret Service",
                                   "ALTERNATIVE", "WLVPN", "PureWL", "VPNresellers", "https://"};
    if (!text.contains(words)) {
        return false;
    }
    for (const VPNProfile& profile : library.profiles) {
        for (const std::string& data : {profile.name, profile.country, profile.server}) {
            if (text.contains(QString::fromStdString(data))) {
                return false;
            }
        }
    }
    return std::ranges::none_of(names, [&](const QString& name) { return text.startsWith(name); });
}

class TranslationTest : public WindowFixture {
protected:
    void TearDown() override { installTranslations(QStringLiteral(VANTOREL_TRANSLATIONS_DIR), {"en"}); }

    // The window at its smallest on every page in every phase, with the add sheet refusing an empty
    // save and an alert saying a core failure.
    Texts everyText() {
        startWindow();
        m_window->resize(MainWindow::minimumWindowSize);
        Texts texts;
        for (const TunnelPhase phase :
             {TunnelPhase::unavailable, TunnelPhase::disconnected, TunnelPhase::connecting, TunnelPhase::connected,
              TunnelPhase::reconnecting, TunnelPhase::disconnecting, TunnelPhase::unknown}) {
            SCOPED_TRACE(rawValue(phase));
            reportTunnelStatus(*m_model, phase, QDateTime::currentDateTimeUtc(), m_model->library().profiles[0].id);
            for (const AppPage page : allPages) {
                m_model->setPage(page);
                settle();
                collect(*content().pageWidget(page),
                        QString::fromUtf8(rawValue(phase)) + u'/' + QString::fromUtf8(rawValue(page)), texts);
                fitsItsRoom(*m_window);
            }
            // The status text, however long, stays clear of the globe's end dots.
            const auto* globe = content().findChild<GlobeArtwork*>();
            m_model->setPage(AppPage::connection);
            settle();
            const auto& detail = part<TextLabel>("statusDetail");
            const qreal reach = std::abs(detail.mapTo(m_window.get(), detail.rect().center()).x() -
                                         globe->mapTo(m_window.get(), globe->rect().center()).x()) +
                                detail.width() / 2.0;
            EXPECT_LE(reach, GlobeArtwork::endDotOffset - GlobeArtwork::endDotRadius - 8) << rawValue(phase);
        }
        reportTunnelStatus(*m_model, TunnelPhase::unavailable); // the sheet can save
        collect(*content().sidebar(), QStringLiteral("sidebar"), texts);
        collect(*m_window->menuBar(), QStringLiteral("menu"), texts);
        collect(*TrayMenu(*m_model).menu(), QStringLiteral("tray"), texts);
        m_model->setShowingAdd(true);
        settle();
        content().sheet()->view()->save();
        settle();
        collect(*content().sheet(), QStringLiteral("sheet"), texts);
        fitsItsRoom(*content().sheet());
        m_model->setShowingAdd(false);
        m_model->setMessage(describe(VPNFailure::storageUnavailable()));
        settle();
        collect(*content().alert(), QStringLiteral("alert"), texts);
        m_model->setMessage(std::nullopt);
        // Asked to remove the location with the longest name: the button shortens the name alone, and
        // still says what it does, whichever side of the name the language puts the verb.
        m_model->setPage(AppPage::locations);
        settle();
        const VPNProfile& longest = m_model->library().profiles[1];
        for (LocationRow* row : content().findChildren<LocationRow*>()) {
            if (row->profile().id == longest.id) {
                row->findChild<QAction*>("removeAction")->trigger();
            }
        }
        settle();
        const auto& remove = part<QPushButton>("confirmRemoveButton");
        for (const QString& words : remove.toolTip().split(QString::fromStdString(longest.name))) {
            EXPECT_TRUE(remove.text().contains(words)) << remove.text().toStdString();
        }
        EXPECT_NE(remove.text(), remove.toolTip());
        EXPECT_GE(remove.width(), remove.sizeHint().width());
        EXPECT_GT(texts.size(), 100U) << "the walk found the window's texts";
        return texts;
    }

    // Nothing in `root` is cut: wrapped text has the height of all its lines, a line that is not
    // shortened with an ellipsis has its width, and a button its caption's.
    static void fitsItsRoom(const QWidget& root) {
        for (const QWidget* widget : root.findChildren<QWidget*>()) {
            if (!widget->isVisible()) {
                continue;
            }
            const auto name = [&] {
                return (widget->objectName() + u' ' + widget->metaObject()->className()).toStdString();
            };
            if (const auto* label = qobject_cast<const TextLabel*>(widget);
                label != nullptr && !label->text().isEmpty()) {
                if (label->wrapping()) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                        << name() << label->text().toStdString();
                } else if (label->toolTip().isEmpty()) {
                    EXPECT_GE(label->width(), label->minimumSizeHint().width())
                        << name() << label->text().toStdString();
                }
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                       button != nullptr && !button->text().isEmpty() && button->toolTip().isEmpty()) {
                EXPECT_GE(button->width(), button->sizeHint().width()) << name() << button->text().toStdString();
            }
        }
    }

    // What `vantorel --help` prints with LANGUAGE set to `language`.
    static QString help(const QString& language) {
        QProcess app;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        app.setProcessEnvironment(environment);
        app.start(QStringLiteral(VANTOREL_APP), {QStringLiteral("--help")});
        EXPECT_TRUE(app.waitForFinished(10000));
        return QString::fromUtf8(app.readAllStandardOutput());
    }
};

} // namespace

// German shows in every place a text comes from: the pages and the window, the core's failures, the
// platform's words, what screen readers say, and --help; English shows the texts the program is
// written in. German fits the smallest window in every phase, the status text between the globe's end
// dots too.
TEST_F(TranslationTest, GermanReachesEveryTextAndEnglishStaysTheSource) {
    ProfileLibrary library = libraryOf(2);
    library.profiles[1].name = std::string(80, 'W');
    writeDocument(library);
    const Texts english = everyText();
    // The one text of a place, found by the name it ends in.
    const auto at = [](const Texts& texts, const QString& name) {
        const auto found = std::ranges::find_if(texts, [&](const auto& entry) { return entry.first.endsWith(name); });
        return found == texts.end() ? QString() : found->second;
    };
    EXPECT_EQ(english.at("alert/alertText"), QString::fromUtf8(VPNFailure::storageUnavailable().description()));
    EXPECT_EQ(at(english, "sidebarRow-locations#name"), QString::fromUtf8(rawValue(AppPage::locations)));
    EXPECT_EQ(at(english, "/sidebarPlatform"), QString::fromUtf8(platformText().sidebarPlatform));
    const QString englishHelp = help(QStringLiteral("en"));
    EXPECT_EQ(englishHelp, help(QString()));
    // Nothing that is only true on a Mac (the partner rows describe the partners' own products).
    if (&platformText() == &linuxText) {
        static const QRegularExpression otherPlatform(QStringLiteral("\\b(Mac|macOS|Apple|Keychain)\\b"));
        for (const auto& [at, text] : english) {
            EXPECT_TRUE(at.contains(QStringLiteral("partner-")) || !text.contains(otherPlatform)) << text.toStdString();
        }
    }

    ASSERT_EQ(installTranslations(QStringLiteral(VANTOREL_TRANSLATIONS_DIR), {QStringLiteral("de_DE")}), "de");
    const Texts german = everyText();
    QStringList untranslated;
    for (const auto& [at, text] : english) {
        ASSERT_TRUE(german.contains(at)) << at.toStdString();
        if (isProgramWords(text, library) && german.at(at) == text) {
            untranslated << at + QStringLiteral(": ") + text;
        }
    }
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(u'\n').toStdString();
    for (const QString place : {"/sidebarPlatform", "/errorLine", "alert/alertText", "sidebarRow-locations#name"}) {
        EXPECT_FALSE(at(english, place).isEmpty()) << place.toStdString();
        EXPECT_NE(at(german, place), at(english, place)) << place.toStdString();
    }
    const QString germanHelp = help(QStringLiteral("de"));
    for (const QString& line : germanHelp.split(u'\n')) {
        EXPECT_TRUE(!isProgramWords(line, library) || !englishHelp.contains(line)) << line.toStdString();
    }
}
