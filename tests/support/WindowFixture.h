#pragma once

#include "support/ModelFixture.h"
#include "ui/components/InputField.h"
#include "ui/pages/AddLocationSheet.h"
#include "ui/pages/AddLocationView.h"
#include "ui/shell/ContentView.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QLineEdit>

namespace vantorel::testing {

// The real main window, shown, over a model on a temporary document.
class WindowFixture : public ModelFixture {
protected:
    MainWindow& startWindow(std::unique_ptr<CredentialVault> vault = nullptr) {
        AppModel& model = startModel(std::move(vault));
        m_window = std::make_unique<MainWindow>(model);
        m_window->show();
        QApplication::processEvents();
        return *m_window;
    }
    ContentView& content() const { return *m_window->contentView(); }
    // The widget named `name` anywhere in the window, its sheet and dialogs included.
    template <typename T = QWidget> T& part(const char* name) const { return *m_window->findChild<T*>(name); }
    // The add sheet's fields, in the order Tab visits them, and one of them in the sheet now open.
    static constexpr const char* addFields[] = {"nameField",     "countryField",  "serverField",
                                                "identityField", "usernameField", "passwordField"};
    QLineEdit& field(const char* name) const {
        return *content().sheet()->view()->findChild<InputField*>(name)->field();
    }
    void fill(const QStringList& texts) const {
        for (int i = 0; i < texts.size(); ++i) {
            field(addFields[i]).setText(texts[i]);
        }
    }
    // Lets the views catch up with the model: they redraw on the next turn of the event loop, and
    // a page built by that redraw is laid out on the turn after.
    static void settle() {
        QApplication::processEvents();
        QApplication::processEvents();
    }

    void TearDown() override {
        m_window.reset();
        settle();
    }

    std::unique_ptr<MainWindow> m_window;
};

} // namespace vantorel::testing
