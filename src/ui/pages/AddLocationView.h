#pragma once

#include <QWidget>

class QPushButton;

namespace vantorel {

class AccentButton;
class AppModel;
class InputField;
class TextLabel;

// The add-location sheet's content: the five fields and the password, the error line of the last
// failed save, and Cancel / Save. A new one is made for every presentation, so nothing typed into
// an earlier one can show up again. Checking what was typed is the model's business: the view
// shows whatever failure comes back.
class AddLocationView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AddLocationView)

public:
    explicit AddLocationView(AppModel& model, QWidget* parent = nullptr);
    ~AddLocationView() override;

    // Hands the six texts, as typed, to the model. On failure the error line shows the failure's
    // text and nothing else changes; on success the model is told to close the sheet.
    void save();
    // Empties the password field, its undo history and the memory that held the password.
    void wipePassword();

    // Shows the model as it is now; runs by itself on the turn after the model announces a change.
    void refresh();

    QPushButton* cancelButton() const;
    QPushButton* saveButton() const;
    // The field the keyboard starts in.
    QWidget* firstField() const;

signals:
    void cancelRequested();

private:
    AppModel& m_model;
    InputField* m_name;
    InputField* m_country;
    InputField* m_server;
    InputField* m_identity;
    InputField* m_username;
    InputField* m_password;
    TextLabel* m_error;
    QPushButton* m_cancel;
    AccentButton* m_save;
};

} // namespace vantorel
