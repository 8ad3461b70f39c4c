#pragma once

#include <QDialog>
#include <QPointer>

namespace vantorel {

class AddLocationView;
class AppModel;

// The window-modal sheet in which a new location is typed in, presented over the main window.
// Every presentation gets a new, empty AddLocationView; every close, by any path, wipes the
// password and lets the view go.
class AddLocationSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AddLocationSheet)

public:
    static constexpr int sheetWidth = 530;
    // Kept free above and below the sheet on its screen, for the title bar the window manager adds.
    static constexpr int screenMargin = 48;
    // The least the sheet is given, however small the room: the title, a field and the buttons.
    static constexpr int minimumRoom = 360;

    explicit AddLocationSheet(AppModel& model, QWidget* parent = nullptr);

    // Shows the sheet with empty fields, or filled in from the provider's file the model has just
    // read, and the keyboard in the first field to fill.
    void present();
    // The content while the sheet is shown; null otherwise.
    AddLocationView* view() const;

    // Cancel, Escape and closing the sheet come here: a save in progress is given up, whichever call
    // it waits for, and the sheet closes at once.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dismantle();
    void fitHeight();

    AppModel& m_model;
    QPointer<AddLocationView> m_view;
};

} // namespace vantorel
