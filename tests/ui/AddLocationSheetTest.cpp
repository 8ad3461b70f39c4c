#include "ui/pages/AddLocationSheet.h"

#include "core/LibraryDocument.h"
#include "support/WindowFixture.h"
#include "ui/components/InputField.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/AddLocationView.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

const char* const fieldNames[] = {"nameField",     "countryField",  "serverField",
                                  "identityField", "usernameField", "passwordField"};
const QStringList valid{"Oslo", "Norway", "no.provider.example", "no.provider.example", "customer-7", "secret"};

class AddLocationSheetTest : public WindowFixture {
protected:
    AddLocationSheet& sheet() const { return *content().sheet(); }
    AddLocationView& view() const { return *sheet().view(); }
    QLineEdit& field(const char* name) const { return *view().findChild<InputField*>(name)->field(); }
    TextLabel& errorLine() const { return *view().findChild<TextLabel*>("errorLine"); }
    void open() {
        m_model->setShowingAdd(true);
        settle();
        ASSERT_TRUE(sheet().isVisible());
    }
    void fill(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            field(fieldNames[i]).setText(texts[i]);
        }
    }
    QStringList typed() const {
        QStringList out;
        for (const char* name : fieldNames) {
            out << field(name).text();
        }
        return out;
    }
    ProfileLibrary stored() const { return LibraryDocument::decode(readFile(document())).value(); }
};

} // namespace

TEST_F(AddLocationSheetTest, AFailedSaveShowsWhyAndKeepsEveryField) {
    startWindow();
    open();
    EXPECT_EQ(sheet().width(), 530);
    EXPECT_EQ(sheet().windowModality(), Qt::WindowModal);
    EXPECT_FALSE(errorLine().isVisible());
    const int closedHeight = sheet().height();
    field("countryField").setText("  Norway  ");
    field("passwordField").setText("secret");
    QTest::mouseClick(view().saveButton(), Qt::LeftButton);
    EXPECT_TRUE(errorLine().isVisible());
    EXPECT_EQ(errorLine().text(), QString::fromUtf8(messages::nameAndCountry));
    QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(&errorLine());
    EXPECT_EQ(announced->role(), QAccessible::AlertMessage) << "screen readers announce it as it appears";
    EXPECT_EQ(announced->text(QAccessible::Name), errorLine().text());
    EXPECT_EQ(typed(), (QStringList{"", "  Norway  ", "", "", "", "secret"}));
    settle();
    EXPECT_GT(sheet().height(), closedHeight) << "the sheet grows to show the error line";

    // The vault refuses, then the document cannot be written: each says so, and nothing is stored.
    fill(valid);
    m_vault->failInsert = true;
    QTest::mouseClick(view().saveButton(), Qt::LeftButton);
    EXPECT_EQ(errorLine().text(), QString::fromUtf8(VPNFailure::credentialsUnavailable().description()));
    m_vault->failInsert = false;
    m_failWrites = true;
    QTest::mouseClick(view().saveButton(), Qt::LeftButton);
    EXPECT_EQ(errorLine().text(), QString::fromUtf8(VPNFailure::storageUnavailable().description()));
    EXPECT_TRUE(m_model->library().profiles.empty());
    EXPECT_TRUE(m_vault->items.empty());
    EXPECT_TRUE(sheet().isVisible());

    // Escape closes without saving; the next presentation starts empty.
    QPointer<QLineEdit> password = &field("passwordField");
    QTest::keyClick(&sheet(), Qt::Key_Escape);
    EXPECT_TRUE(password.isNull() || password->text().isEmpty()) << "the password goes with the sheet";
    settle();
    EXPECT_FALSE(m_model->showingAdd());
    open();
    EXPECT_EQ(typed(), QStringList(6, QString()));
    EXPECT_FALSE(errorLine().isVisible());
    // The model can close it too.
    m_model->setShowingAdd(false);
    settle();
    EXPECT_FALSE(sheet().isVisible());
}

TEST_F(AddLocationSheetTest, ASaveStoresTheLocationAndSelectsOnlyTheFirst) {
    ProfileLibrary library;
    library.profiles = {sampleProfile("London")};
    writeDocument(library); // nothing selected
    startWindow();
    for (const QString& name : {QString("Oslo"), QString("Paris")}) {
        SCOPED_TRACE(name.toStdString());
        open();
        QStringList texts = valid;
        texts[0] = name;
        fill(texts);
        QPointer<QLineEdit> password = &field("passwordField");
        QTest::mouseClick(view().saveButton(), Qt::LeftButton);
        EXPECT_TRUE(password.isNull() || password->text().isEmpty());
        settle();
        EXPECT_FALSE(sheet().isVisible());
        const ProfileLibrary saved = stored();
        EXPECT_EQ(saved.profiles.back().name, name.toStdString());
        EXPECT_FALSE(saved.profiles.back().favorite);
        EXPECT_EQ(m_vault->items.at(saved.profiles.back().credentialID), "secret");
    }
    // The first addition took the empty selection; the second left it alone.
    EXPECT_EQ(stored().selectedID, stored().profiles[1].id);
}

TEST_F(AddLocationSheetTest, SaveIsOffWhileEditingIsRefused) {
    startWindow();
    open();
    fill(valid);
    AppModelProbe::report(*m_model, TunnelPhase::connected);
    settle();
    EXPECT_FALSE(view().saveButton()->isEnabled());
    QTest::keyClick(&field("usernameField"), Qt::Key_Return);
    EXPECT_TRUE(sheet().isVisible());
    EXPECT_TRUE(m_model->library().profiles.empty());
    // Closing the window to the tray closes the sheet, and the password with it.
    QPointer<QLineEdit> password = &field("passwordField");
    m_window->setHideOnClose(true);
    m_window->close();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_TRUE(password.isNull() || password->text().isEmpty());
}

// Ctrl+N, the six fields with Tab between them, Return: a location added without the mouse.
TEST_F(AddLocationSheetTest, KeyboardOnly) {
    startWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::ControlModifier);
    settle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet()));
    for (int i = 0; i < valid.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus, &field(fieldNames[i]));
        EXPECT_FALSE(focus->accessibleName().isEmpty());
        EXPECT_TRUE(focus->inputMethodHints() & Qt::ImhNoPredictiveText);
        QTest::keyClicks(focus, valid[i]);
        QTest::keyClick(focus, i + 1 < valid.size() ? Qt::Key_Tab : Qt::Key_Return);
    }
    settle();
    EXPECT_FALSE(sheet().isVisible());
    ASSERT_EQ(stored().profiles.size(), 1u);
    EXPECT_EQ(stored().profiles[0].username, "customer-7");
}
