#include "ui/pages/AddLocationSheet.h"

#include "core/CredentialJournal.h"
#include "support/WindowFixture.h"
#include "ui/components/InputField.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/AddLocationView.h"

#include <QAccessible>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

const QStringList valid{"Oslo", "Norway", "no.provider.example", "id.provider.example", "customer-7", "secret"};

class AddLocationSheetTest : public WindowFixture {
protected:
    AddLocationSheet& sheet() const { return *content().sheet(); }
    AddLocationView& view() const { return *sheet().view(); }
    TextLabel& errorLine() const { return part<TextLabel>("errorLine"); }
    void open() {
        m_model->setShowingAdd(true);
        settle();
        ASSERT_TRUE(sheet().isVisible());
    }
    QStringList typed() const {
        QStringList out;
        for (const char* name : addFields) {
            out << field(name).text();
        }
        return out;
    }
};

} // namespace

TEST_F(AddLocationSheetTest, AFailedSaveShowsWhyAndKeepsEveryField) {
    startWindow();
    open();
    EXPECT_FALSE(errorLine().isVisible());
    const int closedHeight = sheet().height();
    field("countryField").setText("  Norway  ");
    field("passwordField").setText("secret");
    QTest::mouseClick(view().saveButton(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(errorLine().isVisible());
    EXPECT_EQ(errorLine().text(), QString::fromUtf8(messages::nameAndCountry));
    QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(&errorLine());
    EXPECT_EQ(announced->role(), QAccessible::AlertMessage) << "screen readers announce it as it appears";
    EXPECT_EQ(announced->text(QAccessible::Name), errorLine().text());
    EXPECT_EQ(typed(), (QStringList{"", "  Norway  ", "", "", "", "secret"}));
    settle();
    EXPECT_TRUE(sheet().isVisible());
    EXPECT_GT(sheet().height(), closedHeight) << "the sheet grows to show the error line";

    // Escape closes without saving, and the password goes with the sheet; the next one starts empty.
    QPointer<QLineEdit> password = &field("passwordField");
    QTest::keyClick(&sheet(), Qt::Key_Escape);
    EXPECT_TRUE(password.isNull() || password->text().isEmpty());
    settle();
    EXPECT_FALSE(m_model->showingAdd());
    open();
    EXPECT_EQ(typed(), QStringList(6, QString()));
    EXPECT_FALSE(errorLine().isVisible());
}

// Ctrl+N, the six fields with Tab between them, Return: a location added without the mouse, each
// field stored where it belongs and the password in the vault only.
TEST_F(AddLocationSheetTest, KeyboardOnly) {
    startWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::ControlModifier);
    settle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet()));
    const QPointer<QLineEdit> password = &field("passwordField");
    for (int i = 0; i < valid.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus, &field(addFields[i]));
        EXPECT_FALSE(focus->accessibleName().isEmpty());
        EXPECT_TRUE(focus->inputMethodHints() & Qt::ImhNoPredictiveText);
        QTest::keyClicks(focus, valid[i]);
        QTest::keyClick(focus, i + 1 < valid.size() ? Qt::Key_Tab : Qt::Key_Return);
    }
    m_vault->answerAll();
    settle();
    EXPECT_TRUE(password.isNull() || password->text().isEmpty());
    EXPECT_FALSE(sheet().isVisible());
    ASSERT_EQ(stored().profiles.size(), 1u);
    const VPNProfile saved = stored().profiles[0];
    EXPECT_EQ((QStringList{saved.name.c_str(), saved.country.c_str(), saved.server.c_str(),
                           saved.remoteIdentifier.c_str(), saved.username.c_str()}),
              valid.first(5));
    EXPECT_EQ(m_items->at(saved.credentialID), valid[5].toStdString());
}

namespace {

// A random password that this process never holds in clear, so that finding it in memory means
// the program under test left it there: it is kept masked and compared a byte at a time.
class MaskedPassword final {
public:
    MaskedPassword() {
        std::random_device random;
        for (char& byte : m_masked) {
            byte = static_cast<char>(('a' + random() % 26) ^ mask);
        }
    }
    char at(std::size_t i) const { return static_cast<char>(m_masked[i] ^ mask); }
    std::size_t size() const { return m_masked.size(); }
    bool equals(const QString& text) const { return std::ranges::equal(text, m_masked, same); }
    // Whether some readable, writable memory of this process holds it, in UTF-8 or in UTF-16. Only
    // its end is looked for: the allocators write their own bookkeeping over the first bytes of a
    // freed block, which would hide a copy that was freed unwiped.
    bool inMemory() const {
        const int memory = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
        std::ifstream maps("/proc/self/maps");
        std::vector<char> chunk(1 << 20);
        bool found = false;
        for (std::string line; !found && std::getline(maps, line);) {
            unsigned long begin = 0;
            unsigned long last = 0;
            char permissions[5] = {};
            if (std::sscanf(line.c_str(), "%lx-%lx %4s", &begin, &last, permissions) != 3 || permissions[0] != 'r' ||
                permissions[1] != 'w' || last - begin > (256ul << 20)) {
                continue; // the sanitizers' shadow memory is terabytes of nothing
            }
            for (unsigned long at = begin; !found && at < last; at += chunk.size() - 2 * size()) { // overlapping reads
                const ssize_t count = ::pread(memory, chunk.data(), std::min(chunk.size(), last - at), off_t(at));
                found = count > 0 &&
                        (holds(chunk.data(), std::size_t(count), 1) || holds(chunk.data(), std::size_t(count), 2));
                if (count < ssize_t(chunk.size())) {
                    break;
                }
            }
        }
        ::close(memory);
        ::explicit_bzero(chunk.data(), chunk.size()); // what it read is not left for the next search
        return found;
    }

private:
    static constexpr char mask = 0x5A;
    static constexpr auto same = [](QChar unit, char masked) {
        return unit == QChar(masked ^ mask);
    };
    static constexpr std::size_t searchedFrom = 24;

    bool holds(const char* bytes, std::size_t count, std::size_t width) const {
        const std::size_t length = size() - searchedFrom;
        const std::size_t span = length * width;
        const char* const last = bytes + count;
        for (const char* at = bytes; last - at >= std::ptrdiff_t(span);) {
            at = static_cast<const char*>(std::memchr(at, this->at(searchedFrom), std::size_t(last - at) - span + 1));
            if (at == nullptr) {
                return false;
            }
            bool match = true;
            for (std::size_t j = 0; match && j < length; ++j) {
                match = at[j * width] == this->at(searchedFrom + j) && (width == 1 || at[j * width + 1] == 0);
            }
            if (match) {
                return true;
            }
            ++at;
        }
        return false;
    }

    std::array<char, 48> m_masked{};
};

// An Apple profile with two IKEv2 payloads and a certificate authority, written without a copy of
// the passwords left in this process.
void writeTwoLocationProfile(const std::filesystem::path& file, const MaskedPassword& first,
                             const MaskedPassword& second) {
    std::string text;
    text.reserve(4096); // never reallocated, so wiping it wipes every copy
    const auto payload = [&](const char* name, const char* server, const MaskedPassword& password) {
        text += "<dict><key>PayloadType</key><string>com.apple.vpn.managed</string><key>VPNType</key><string>IKEv2"
                "</string><key>UserDefinedName</key><string>";
        text += name;
        text += "</string><key>IKEv2</key><dict><key>RemoteAddress</key><string>";
        text += server;
        text += "</string><key>AuthName</key><string>customer-7</string><key>ExtendedAuthEnabled</key><integer>1"
                "</integer><key>AuthPassword</key><string>";
        for (std::size_t i = 0; i < password.size(); ++i) {
            text.push_back(password.at(i));
        }
        text += "</string></dict></dict>";
    };
    text += "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>PayloadContent</key><array>";
    payload("Oslo", "no.provider.example", first);
    payload("Bergen", "bergen.provider.example", second);
    text += "<dict><key>PayloadType</key><string>com.apple.security.root</string></dict></array></dict></plist>";
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_EQ(::write(fd, text.data(), text.size()), ssize_t(text.size()));
    ::close(fd);
    wipeString(text);
}

} // namespace

// A provider's file, from the File menu or dropped on the window: a file that is not a profile
// says why in the alert, naming it; a profile fills the sheet, lets the person choose among its
// locations, and its passwords leave no copy once it closes. The file dialog, opened on the folder
// the profile goes into, looks into no file there: telling a file's type from its first kilobytes
// would copy the password into this process.
TEST_F(AddLocationSheetTest, AProvidersFileFillsTheSheetAndLeavesNoPasswordBehind) {
    startWindow();
    const auto fifo = m_temp.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    m_window->importLocationAction()->trigger();
    QFileDialog* dialog = m_window->importDialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); })) << "with no portal, the app's own dialog";
    const QString folder = QString::fromStdString(m_temp.path().string());
    EXPECT_NE(dialog->directory().absolutePath(), folder);
    emit dialog->fileSelected(QString::fromStdString(fifo.string()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_model->message().has_value(); }));
    // The refusal names the file, but not the folder it is in.
    const QString message = *m_model->message();
    EXPECT_TRUE(message.contains(QString::fromUtf8(importFailure(ImportProblem::notRegularFile).description())));
    EXPECT_TRUE(message.contains(QStringLiteral("fifo")));
    EXPECT_FALSE(message.contains(folder));
    EXPECT_FALSE(m_model->showingAdd());
    m_model->setMessage(std::nullopt);
    m_window->importLocationAction()->trigger();
    EXPECT_EQ(dialog->directory().absolutePath(), folder) << "the next file is looked for where the last was";
    dialog->reject();

    const MaskedPassword oslo;
    const MaskedPassword bergen;
    const auto profile = m_temp.path() / "provider.mobileconfig";
    writeTwoLocationProfile(profile, oslo, bergen);
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(QString::fromStdString(profile.string()))});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet().isVisible() && sheet().view() != nullptr; }));
    settle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet()));
    QListWidget* choices = view().fileLocations();
    ASSERT_NE(choices, nullptr);
    EXPECT_EQ(choices->count(), 2);
    EXPECT_EQ(QApplication::focusWidget(), &field("countryField"))
        << "the file has no country: the keyboard starts there";
    EXPECT_EQ(typed().first(5), (QStringList{"Oslo", "", "no.provider.example", "no.provider.example", "customer-7"}));
    EXPECT_TRUE(oslo.equals(field("passwordField").text()));
    EXPECT_TRUE(view().findChild<QWidget*>("passwordNotice")->isVisible());
    EXPECT_TRUE(view().findChild<QWidget*>("authorityNotice")->isVisible());
    choices->setCurrentRow(1);
    EXPECT_EQ(field("nameField").text(), "Bergen");
    EXPECT_TRUE(bergen.equals(field("passwordField").text()));
    EXPECT_FALSE(std::filesystem::exists(document())) << "reading a file stores nothing";
    EXPECT_TRUE(m_items->empty());

    ASSERT_TRUE(bergen.inMemory()) << "the search sees the field's copy";

    QTest::keyClick(&sheet(), Qt::Key_Escape);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(oslo.inMemory());
    EXPECT_FALSE(bergen.inMemory());
}

namespace {

// An Apple profile with one location for each name, with a password, and the provider's authority.
void writeProfileOf(const std::filesystem::path& file, const QStringList& names) {
    QString payloads;
    for (const QString& name : names) {
        payloads += QStringLiteral("<dict><key>PayloadType</key><string>com.apple.vpn.managed</string><key>VPNType"
                                   "</key><string>IKEv2</string><key>UserDefinedName</key><string>%1</string><key>IKEv2"
                                   "</key><dict><key>RemoteAddress</key><string>vpn.provider.example</string><key>"
                                   "AuthName</key><string>me</string><key>ExtendedAuthEnabled</key><true/><key>"
                                   "AuthPassword</key><string>pw</string></dict></dict>")
                        .arg(name);
    }
    writeFile(file, QStringLiteral("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>PayloadContent</key>"
                                   "<array>%1<dict><key>PayloadType</key><string>com.apple.security.root</string>"
                                   "</dict></array></dict></plist>")
                        .arg(payloads)
                        .toStdString());
}

} // namespace

// In the smallest window, with a provider's file of six locations, both notices, a failed save and a
// save that waits: the title, Cancel and Save stay in the sheet and the sheet in the window, and
// the rest scrolls. A screen reader meets what is there in the order Tab does.
TEST_F(AddLocationSheetTest, TheSheetFitsTheSmallestWindowInEveryState) {
    startWindow();
    m_window->resize(MainWindow::minimumWindowSize);
    const auto fits = [&](const char* state) {
        SCOPED_TRACE(state);
        settle();
        EXPECT_LE(sheet().height(), m_window->height());
        const QRect inside = sheet().rect();
        for (QWidget* part : {view().findChild<QWidget*>(), static_cast<QWidget*>(view().cancelButton()),
                              static_cast<QWidget*>(view().saveButton())}) {
            EXPECT_TRUE(inside.contains(QRect(part->mapTo(&sheet(), QPoint()), part->size())))
                << part->metaObject()->className();
        }
        auto* middle = view().findChild<QScrollArea*>("sheetScrollArea");
        const int hidden = middle->widget()->height() - middle->viewport()->height();
        EXPECT_EQ(middle->verticalScrollBar()->maximum(), std::max(hidden, 0)) << "what does not fit scrolls";
    };
    open();
    fits("plain");
    m_model->setShowingAdd(false);
    settle();

    const auto profile = m_temp.path() / "six.mobileconfig";
    writeProfileOf(profile, {"Oslo", "Bergen", "Reykjav\u00edk, the long way round through the northern exchange",
                             "Troms\u00f8", "Stavanger", "Trondheim"});
    m_model->importFile(QString::fromStdString(profile.string()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet().isVisible() && sheet().view() != nullptr; }));
    QTest::mouseClick(view().saveButton(), Qt::LeftButton); // no country: refused
    settle();
    field("countryField").setText(QStringLiteral("Norway"));
    QTest::mouseClick(view().saveButton(), Qt::LeftButton); // held by the store
    ASSERT_TRUE(QTest::qWaitFor([&] { return view().findChild<QWidget*>("waitingNotice")->isVisible(); }));
    EXPECT_TRUE(part<TextLabel>("errorLine").isVisible());
    fits("chooser, both notices, error and waiting");

    // The order a screen reader reads the sheet in is the order Tab visits it.
    m_vault->refuse(); // editable again, so that Tab visits every part
    settle();
    const auto visited = [](const QObject* object) {
        const auto* widget = qobject_cast<const QWidget*>(object);
        return widget != nullptr && widget->isVisible() && widget->isEnabled() &&
               (widget->focusPolicy() & Qt::TabFocus);
    };
    std::vector<QObject*> read;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (visited(node->object()) && std::ranges::find(read, node->object()) == read.end()) {
            read.push_back(node->object());
        }
        for (int i = 0; i < node->childCount(); ++i) {
            walk(node->child(i));
        }
    };
    walk(QAccessible::queryAccessibleInterface(&sheet()));
    std::vector<QObject*> tabbed;
    QWidget* first = view().fileLocations();
    for (QWidget* at = first; tabbed.empty() || at != first; at = at->nextInFocusChain()) {
        if (visited(at)) {
            tabbed.push_back(at);
        }
    }
    EXPECT_EQ(read, tabbed);
}

// The list of a file's locations is drawn as the fields are: rows as tall as a field, long entries
// shortened with the whole text in the tooltip and for screen readers, never a horizontal scroll bar.
TEST_F(AddLocationSheetTest, TheChooserIsDrawnAsTheFieldsAre) {
    startWindow();
    const QString longest = QString(60, QChar(u'W'));
    const auto profile = m_temp.path() / "three.mobileconfig";
    writeProfileOf(profile, {"Oslo", longest, "Bergen"});
    m_model->importFile(QString::fromStdString(profile.string()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet().isVisible() && sheet().view() != nullptr; }));
    settle();
    QListWidget& choices = *view().fileLocations();
    const QLineEdit& name = field("nameField");
    EXPECT_EQ(choices.visualItemRect(choices.item(0)).height(), name.parentWidget()->height());
    EXPECT_FALSE(choices.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(choices.item(1)->toolTip().contains(longest));
    EXPECT_EQ(choices.item(1)->data(Qt::AccessibleTextRole).toString(), choices.item(1)->toolTip());
}

// A save in progress keeps what was typed as it is, and says so once the secret store has not
// answered within a moment. Escape gives the whole save up, whichever of its two calls the store
// holds (deleting what an earlier save left, then storing): the sheet closes at once, and nothing of
// it stays in the store, even when the store carries the request out after all.
TEST_F(AddLocationSheetTest, ASaveInProgressCanBeGivenUpWhicheverCallIsHeld) {
    const Uuid left = Uuid::random();
    m_items->emplace(left, "left by an earlier save");
    std::filesystem::create_directories(document().parent_path());
    ASSERT_TRUE(CredentialJournal(document().parent_path() / CredentialJournal::fileName, {}).insert(left));
    startWindow();
    for (const std::size_t answeredFirst : {0u, 1u}) {
        SCOPED_TRACE(answeredFirst == 0 ? "Escape while the store deletes" : "Escape while the store stores");
        open();
        fill(valid);
        QTest::mouseClick(view().saveButton(), Qt::LeftButton);
        settle();
        EXPECT_FALSE(field("nameField").isEnabled());
        EXPECT_FALSE(view().saveButton()->isEnabled());
        for (std::size_t i = 0; i < answeredFirst; ++i) {
            m_vault->answer();
        }
        ASSERT_EQ(m_vault->held.size(), 1u);
        const std::string heldCall = m_vault->log.back();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return sheet().view() && view().findChild<QWidget*>("waitingNotice")->isVisible(); }));
        QTest::keyClick(&sheet(), Qt::Key_Escape);
        settle();
        EXPECT_FALSE(sheet().isVisible());
        EXPECT_FALSE(m_model->busy());
        EXPECT_TRUE(m_vault->held.front().stop.stop_requested()) << "the give-up reaches " << heldCall;
        const std::size_t calls = m_vault->log.size();
        m_vault->answerAll();
        EXPECT_FALSE(std::filesystem::exists(document()));
        if (answeredFirst == 0) {
            EXPECT_EQ(m_vault->log.size(), calls) << "nothing more was asked after " << heldCall;
        } else {
            EXPECT_EQ(itemIds(), namedIds()) << "the store carried out " << heldCall << " and it was taken back";
        }
    }
    // Answered, the save goes through.
    open();
    fill(valid);
    QTest::mouseClick(view().saveButton(), Qt::LeftButton);
    m_vault->answerAll();
    settle();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(stored().profiles.size(), 1u);
    EXPECT_EQ(itemIds(), namedIds());
}
