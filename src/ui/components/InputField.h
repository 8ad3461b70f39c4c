#pragma once

#include <QWidget>

class QLineEdit;

namespace vantorel {

class Panel;
class TextLabel;

// A labelled single-line field: the label above a borderless field on a rounded panel. Typed text
// is never predicted or corrected; a secret field is masked and kept out of input-method history.
// The field is announced with the label's text.
class InputField final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InputField)

public:
    enum class Kind { plain, secret };

    // The panel's insets around the line of text.
    static constexpr int inset = 12;
    // Where the text starts from the panel's edge: the insets, then the two pixels QLineEdit keeps
    // before its text.
    static constexpr int textStart = inset + 2;
    // The panel's height for text in `font`: one line and the insets.
    static int panelHeight(const QFont& font);

    InputField(const QString& label, const QString& placeholder, Kind kind = Kind::plain, QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    QString text() const;

private:
    TextLabel* m_label;
    Panel* m_box;
    QLineEdit* m_field;
};

} // namespace vantorel
