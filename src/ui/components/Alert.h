#pragma once

#include <QDialog>

class QAbstractButton;
class QPushButton;

namespace vantorel {

class TextLabel;

// A small window-modal dialog in the look of the sheet: a title, what it is about (a file's or a
// location's name, on one line, shortened with an ellipsis when longer than the dialog is wide), a
// message that wraps, and its buttons at the bottom right, the one that answers Return last. Escape and closing it
// answer as the cancelling button does, when there is one. Screen readers meet it as an alert: its title as the name,
// the message as the description.
class Alert final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Alert)

public:
    enum class Role { cancel, accept, destructive };

    static constexpr int alertWidth = 420;

    explicit Alert(const QString& title, QWidget* parent = nullptr);

    // The subject may be empty; screen readers hear it before the text.
    void setText(const QString& text, const QString& subject = {});
    QString text() const;
    QString subject() const;
    // Buttons are placed left to right in the order they are added; the accepting or destructive
    // one answers Return, the cancelling one Escape.
    QPushButton* addButton(const QString& text, Role role);
    // The button that closed the dialog, or null when it was closed otherwise.
    QAbstractButton* clickedButton() const { return m_clicked; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TextLabel* m_title;
    TextLabel* m_subject;
    TextLabel* m_text;
    QWidget* m_buttons;
    QAbstractButton* m_clicked = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace vantorel
