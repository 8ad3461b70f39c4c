// The secret store's holds as a user meets them, through the real window and the real
// vault on a throwaway keyring.
#include "SecretServiceTesting.h"
#include "app/AppModel.h"
#include "platform/KeychainVault.h"
#include "support/WindowFixture.h"
#include "ui/components/InputField.h"
#include "ui/components/TextLabel.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/AddLocationView.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace vantorel;
using namespace vantorel::testing;

namespace {

class KeyringWindow : public WindowFixture {
protected:
    void startWindow() { WindowFixture::startWindow(std::make_unique<KeychainVault>()); }

    // Fills the sheet with a valid location named `name` and saves it, turning the event loop until
    // the save is over; returns the error line's text (empty when the save went through) and the
    // milliseconds the save took.
    std::pair<QString, std::chrono::milliseconds> addThroughTheSheet(const QString& name) {
        m_model->setShowingAdd(true);
        settle();
        fill({name, "Norway", "no.provider.example", "no.provider.example", "customer-7",
              "correct horse battery staple"});
        AddLocationView& view = *content().sheet()->view();
        auto* error = view.findChild<TextLabel*>("errorLine");
        const auto elapsed = timed("save through the sheet", [&] {
            QTest::mouseClick(view.saveButton(), Qt::LeftButton);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !m_model->busy(); }, 30000));
            settle();
        });
        return {content().sheet()->view() != nullptr && error->isVisible() ? error->text() : QString(), elapsed};
    }
};

} // namespace

// A store that holds its answer, until the person types KeePassXC's password three seconds later, or
// (the stand-in) answering each CreateItem two seconds late: the window says it waits and keeps
// painting, and the save goes through.
TEST_F(KeyringWindow, heldSaveKeepsTheWindowAlive) {
    const std::string mode = std::getenv("VANTOREL_TEST_SECRET_SERVICE");
    ASSERT_TRUE(mode == "stand-in" || mode == "keepassxc-locked") << mode;
    if (mode == "keepassxc-locked") {
        ASSERT_TRUE(QProcess::startDetached(QStringLiteral(VANTOREL_UNLOCK_AFTER), {QStringLiteral("3")}));
    }
    startWindow();
    AddLocationSheet& sheet = *content().sheet();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    sheet.installEventFilter(&counter);
    bool waitingShown = false;
    QTimer::singleShot(1000, [&] {
        waitingShown = sheet.view()->findChild<QWidget*>("waitingNotice")->isVisible();
        counter.paints = 0;
        sheet.update(); // as an expose from the window system would ask
    });
    const auto [error, elapsed] = addThroughTheSheet("Oslo");
    EXPECT_EQ(error, "");
    EXPECT_GE(elapsed, std::chrono::milliseconds(2000));
    EXPECT_TRUE(waitingShown);
    EXPECT_GT(counter.paints, 0) << "the sheet was painted again while the store was asked";
}
