#pragma once

#include "core/ProviderFile.h"

#include <QWidget>
#include <optional>

class QListWidget;
class QPushButton;
class QScrollArea;

namespace vantorel {

class AccentButton;
class AppModel;
class InputField;
class Notice;
class TextLabel;

// The add-location sheet's content: the five fields and the password, the error line of the last
// failed save, and Cancel / Save. A new one is made for every presentation, so nothing typed into
// an earlier one can show up again. Checking what was typed is the model's business: the view
// shows whatever failure comes back.
//
// Made from a provider's file, the fields start with the file's texts (the person checks them and
// adds the country); a file with several locations lists them to choose from.
class AddLocationView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AddLocationView)

public:
    explicit AddLocationView(AppModel& model, std::optional<ProviderFile> file = std::nullopt,
                             QWidget* parent = nullptr);
    ~AddLocationView() override;

    // Hands the six texts, as typed, to the model, which adds the location on later turns: the
    // fields stay as they are meanwhile. On failure the error line shows the failure's text and
    // nothing else changes; on success the model closes the sheet.
    void save();
    // Empties the password field, its undo history and the memory that held the password.
    void wipePassword();

    // Shows the model as it is now; runs by itself on the turn after the model announces a change.
    void refresh();

    QPushButton* cancelButton() const;
    QPushButton* saveButton() const;
    // The field the keyboard starts in: the name, or for a file (which never has one) the country.
    QWidget* firstField() const;
    // The list of a file's locations, when the file has more than one.
    QListWidget* fileLocations() const { return m_choices; }
    // As tall as the view would be with nothing scrolled away, at the width it has.
    int preferredHeight() const;

signals:
    void cancelRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildChoices(QWidget* parent);
    void fillFrom(const ProviderLocation& location);
    void showError(const QString& text);

    AppModel& m_model;
    // Kept while the sheet is open only when there is a choice to make; wiped when dropped.
    std::optional<ProviderFile> m_file;
    bool m_fromFile;
    bool m_saving = false; // a save of this view's is with the model
    QScrollArea* m_scroll;
    QWidget* m_middle;
    QListWidget* m_choices = nullptr;
    InputField* m_name;
    InputField* m_country;
    InputField* m_server;
    InputField* m_identity;
    InputField* m_username;
    InputField* m_password;
    TextLabel* m_error;
    Notice* m_waiting;
    QPushButton* m_cancel;
    AccentButton* m_save;
};

} // namespace vantorel
