#include "ui/components/InputField.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/TextLabel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vantorel {

InputField::InputField(const QString& label, const QString& placeholder, Kind kind, QWidget* parent)
    : QWidget(parent),
      m_label(TextLabel::oneLine(label, Fonts::system(12, QFont::Medium), Palette::text.color(), this)),
      m_box(new Panel(this)), m_field(new QLineEdit(m_box)) {
    m_box->setCornerRadius(8);
    m_field->setObjectName(QStringLiteral("field"));
    m_field->setFrame(false);
    m_field->setPlaceholderText(placeholder);
    m_field->setAccessibleName(label);
    m_field->setFont(Fonts::system(13));
    m_field->setAttribute(Qt::WA_MacShowFocusRect, false);
    // The panel is the field's background; the field itself draws only its text.
    auto colors = m_field->palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    m_field->setPalette(colors);
    Qt::InputMethodHints hints = Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase;
    if (kind == Kind::secret) {
        m_field->setEchoMode(QLineEdit::Password);
        hints |= Qt::ImhSensitiveData | Qt::ImhHiddenText;
    }
    m_field->setInputMethodHints(hints);

    auto* boxRow = new QHBoxLayout(m_box);
    boxRow->setContentsMargins(inset, inset, inset, inset);
    boxRow->addWidget(m_field);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(7);
    column->addWidget(m_label);
    column->addWidget(m_box);
    // Focus given to the whole field goes to the text; the label is announced as the field's label.
    setFocusProxy(m_field);
    m_label->setBuddy(m_field);
}

int InputField::panelHeight(const QFont& font) {
    return QFontMetrics(font).height() + 2 * inset;
}

QString InputField::text() const {
    return m_field->text();
}

} // namespace vantorel
