#include "ui/components/Alert.h"

#include "ui/components/AccentButton.h"
#include "ui/components/Accessibility.h"
#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"
#include "ui/components/TextLabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

Alert::Alert(const QString& title, QWidget* parent)
    : QDialog(parent), m_title(new TextLabel(title, Fonts::system(15, QFont::DemiBold), Palette::text.color(), this)),
      m_subject(TextLabel::oneLine({}, Fonts::system(13, QFont::Medium), Palette::text.color(), this)),
      m_text(new TextLabel({}, Fonts::system(13), Palette::muted.color(), this)), m_buttons(new QWidget(this)) {
    setWindowTitle(title);
    setAccessibleName(title);
    announceAsAlert(this);
    setWindowModality(Qt::WindowModal);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Palette::background.color());
    setPalette(colors);
    setAutoFillBackground(true);
    m_title->setObjectName(QStringLiteral("alertTitle"));
    m_subject->setObjectName(QStringLiteral("alertSubject"));
    m_subject->setElided(true);
    // The texts take the width the dialog has, which the row of buttons sets, and wrap (or, the
    // subject, shorten) within it; their own widths would widen the dialog to a line's length.
    for (TextLabel* label : {m_title, m_subject, m_text}) {
        label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    }
    m_buttons->setMinimumWidth(alertWidth - 2 * 24);
    m_subject->hide();
    m_text->setObjectName(QStringLiteral("alertText"));
    m_text->setLineSpacing(3);
    m_text->hide();
    auto* row = new QHBoxLayout(m_buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(10);
    column->addWidget(m_title);
    column->addWidget(m_subject);
    column->addWidget(m_text);
    column->addSpacing(12);
    column->addWidget(m_buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    connect(this, &QDialog::finished, this, [this] {
        if (m_clicked == nullptr && m_cancel != nullptr) {
            m_clicked = m_cancel;
        }
    });
}

void Alert::setText(const QString& text, const QString& subject) {
    m_subject->setText(subject);
    m_subject->setVisible(!subject.isEmpty());
    m_text->setText(text);
    m_text->setVisible(!text.isEmpty());
    setAccessibleDescription(subject.isEmpty() ? text : subject + QLatin1Char('\n') + text);
}

QString Alert::text() const {
    return m_text->text();
}

QString Alert::subject() const {
    return m_subject->text();
}

QPushButton* Alert::addButton(const QString& text, Role role) {
    QPushButton* button = nullptr;
    if (role == Role::accept) {
        auto* accent = new AccentButton(text, m_buttons);
        accent->setFont(Fonts::system(13, QFont::Medium));
        accent->setPadding(QMargins(16, 8, 16, 8));
        button = accent;
    } else {
        button = new QPushButton(text, m_buttons);
        if (role == Role::destructive) {
            QPalette colors = button->palette();
            colors.setColor(QPalette::ButtonText, Palette::error.color());
            button->setPalette(colors);
        }
    }
    button->setAutoDefault(false);
    if (role == Role::cancel) {
        m_cancel = button;
    } else {
        button->setDefault(true);
    }
    static_cast<QHBoxLayout*>(m_buttons->layout())->addWidget(button, 0, Qt::AlignVCenter);
    connect(button, &QPushButton::clicked, this, [this, button, role] {
        m_clicked = button;
        role == Role::cancel ? reject() : accept();
    });
    return button;
}

void Alert::showEvent(QShowEvent* event) {
    m_clicked = nullptr;
    QDialog::showEvent(event);
}

} // namespace vantorel
