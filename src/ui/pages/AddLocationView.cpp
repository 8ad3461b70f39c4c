#include "ui/pages/AddLocationView.h"

#include "app/AppModel.h"
#include "app/UserText.h"
#include "core/PlatformText.h"
#include "ui/ModelWatcher.h"
#include "ui/QtText.h"
#include "ui/components/AccentButton.h"
#include "ui/components/Accessibility.h"
#include "ui/components/ChoiceRowDelegate.h"
#include "ui/components/Fonts.h"
#include "ui/components/InputField.h"
#include "ui/components/Notice.h"
#include "ui/components/PageHeading.h"
#include "ui/components/Palette.h"
#include "ui/components/Panel.h"
#include "ui/components/TextLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <utility>

namespace vantorel {
namespace {

constexpr int margin = 30;
// The room at the right of the scrolling middle that its scroll bar is drawn in.
constexpr int barRoom = 14;

} // namespace

AddLocationView::AddLocationView(AppModel& model, std::optional<ProviderFile> file, QWidget* parent)
    : QWidget(parent), m_model(model), m_file(std::move(file)), m_fromFile(m_file.has_value()) {
    // Everything is made in the order it is read, which is also the order Tab visits it: screen
    // readers read a window's widgets in the order they were made.
    auto* column = new QVBoxLayout(this);
    // The scrolling middle reaches into the right margin, where its bar is drawn; everything keeps
    // to the same right edge inside it.
    column->setContentsMargins(margin, margin, margin - barRoom, margin);
    column->setSpacing(21);
    auto* heading = new QHBoxLayout;
    heading->setContentsMargins(0, 0, barRoom, 0);
    heading->addWidget(new PageHeading(tr("A NEW WAY TO CONNECT"), tr("Add a VPN location"),
                                       tr("Use IKEv2 details supplied by your VPN provider."), this));
    column->addLayout(heading);

    // Between the title and the buttons, what may not fit a small screen scrolls, so that the title,
    // Save and Cancel are always there.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("sheetScrollArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_middle = new QWidget(m_scroll);
    m_middle->setObjectName(QStringLiteral("sheetMiddle"));
    auto* middle = new QVBoxLayout(m_middle);
    middle->setContentsMargins(0, 0, barRoom, 0);
    middle->setSpacing(21);
    if (m_file && m_file->locations.size() > 1) {
        middle->addWidget(buildChoices(m_middle));
    }
    const auto field = [&](const QString& label, const QString& placeholder, const char* name,
                           InputField::Kind kind = InputField::Kind::plain) {
        auto* input = new InputField(label, placeholder, kind, m_middle);
        input->setObjectName(QLatin1String(name));
        return input;
    };
    m_name = field(tr("Location name"), tr("London"), "nameField");
    m_country = field(tr("Country"), tr("United Kingdom"), "countryField");
    auto* pair = new QHBoxLayout;
    pair->setSpacing(16);
    pair->addWidget(m_name, 1);
    pair->addWidget(m_country, 1);
    middle->addLayout(pair);
    m_server = field(tr("Server hostname"), QStringLiteral("uk.provider.example"), "serverField");
    m_identity = field(tr("Server certificate identity"), tr("Exact remote ID from your provider"), "identityField");
    m_username = field(tr("VPN username"), tr("Customer VPN username"), "usernameField");
    m_password = field(tr("VPN password"), platformWords(platformText().passwordPlaceholder), "passwordField",
                       InputField::Kind::secret);
    for (QWidget* input : {m_server, m_identity, m_username, m_password}) {
        middle->addWidget(input);
    }
    m_error = new TextLabel({}, Fonts::system(12), Palette::error.color(), m_middle);
    m_error->setObjectName(QStringLiteral("errorLine"));
    m_error->hide();
    announceAsAlert(m_error);
    middle->addWidget(m_error);
    m_waiting = new Notice(QStringLiteral("clock"), platformWords(platformText().waitingToStore), m_middle);
    m_waiting->setObjectName(QStringLiteral("waitingNotice"));
    m_waiting->hide();
    middle->addWidget(m_waiting);
    if (m_file && m_file->carriesPassword()) {
        auto* notice =
            new Notice(QStringLiteral("key"),
                       tr("This file holds your password in plain text. You can delete the file once the location "
                          "is saved."),
                       m_middle);
        notice->setObjectName(QStringLiteral("passwordNotice"));
        middle->addWidget(notice);
    }
    if (m_file && m_file->carriesAuthority) {
        auto* notice = new Notice(QStringLiteral("info.circle"),
                                  tr("This file also carries your provider\u2019s own certificate "
                                     "authority, which this version does not use."),
                                  m_middle);
        notice->setObjectName(QStringLiteral("authorityNotice"));
        middle->addWidget(notice);
    }
    middle->addWidget(new Notice(QStringLiteral("lock"), platformWords(platformText().addLocationNotice), m_middle));
    middle->addStretch(1);
    m_scroll->setWidget(m_middle);
    // The scroll area keeps the middle's changes of size to itself; the sheet, which is as tall as
    // its content where it can be, hears of them through the area.
    m_middle->installEventFilter(this);
    column->addWidget(m_scroll, 1);

    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(false);
    m_save = new AccentButton(tr("Save location"), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_save->setFont(Fonts::system(13, QFont::Medium));
    m_save->setPadding(QMargins(16, 9, 16, 9));
    // The dialog around it presses the default button on Return, and only while it is enabled.
    m_save->setDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, &AddLocationView::cancelRequested);
    connect(m_save, &QPushButton::clicked, this, &AddLocationView::save);
    // One row, one height: the plain button takes the height of the accent one beside it.
    const int buttonHeight = std::max(m_cancel->sizeHint().height(), m_save->sizeHint().height());
    m_cancel->setFixedHeight(buttonHeight);
    m_save->setFixedHeight(buttonHeight);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, barRoom, 0);
    buttons->addWidget(m_cancel, 0, Qt::AlignVCenter);
    buttons->addStretch(1);
    buttons->addWidget(m_save, 0, Qt::AlignVCenter);
    column->addLayout(buttons);

    if (m_file) {
        fillFrom(m_file->locations.front());
        // With one location there is nothing left to choose: the file's texts, password included,
        // are in the fields now and go from here.
        if (m_file->locations.size() == 1) {
            m_file.reset();
        }
    }

    new ModelWatcher(
        model, [this] { refresh(); }, this);
    refresh();
}

bool AddLocationView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_middle && event->type() == QEvent::LayoutRequest) {
        m_scroll->updateGeometry();
    }
    return QWidget::eventFilter(watched, event);
}

int AddLocationView::preferredHeight() const {
    // The middle as tall as its content at the width it has; the rest as laid out.
    const QMargins margins = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    const int width = m_scroll->viewport()->width() > 0 ? m_scroll->viewport()->width()
                                                        : this->width() - margins.left() - margins.right();
    const int middle = m_middle->layout()->totalHeightForWidth(width);
    return margins.top() + layout()->itemAt(0)->layout()->totalHeightForWidth(width) + spacing + middle + spacing +
           m_save->height() + margins.bottom();
}

void AddLocationView::showError(const QString& text) {
    // Shown afresh each time, so that a screen reader announces a second failure as well, and
    // scrolled into view on a screen too small for the whole sheet.
    m_error->hide();
    m_error->setText(text);
    m_error->show();
    m_middle->layout()->activate();
    m_scroll->ensureWidgetVisible(m_error);
}

QWidget* AddLocationView::buildChoices(QWidget* parent) {
    auto* block = new QWidget(parent);
    auto* label = TextLabel::oneLine(tr("Location from this file"), Fonts::system(12, QFont::Medium),
                                     Palette::text.color(), block);
    auto* box = new Panel(block);
    box->setCornerRadius(8);
    m_choices = new QListWidget(box);
    m_choices->setObjectName(QStringLiteral("fileLocations"));
    m_choices->setAccessibleName(label->text());
    m_choices->setFrameShape(QFrame::NoFrame);
    m_choices->setFont(Fonts::system(13));
    m_choices->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_choices->setTextElideMode(Qt::ElideRight);
    m_choices->setUniformItemSizes(true);
    // Rows as tall as a field, their text where a field's text starts.
    auto* rows = new ChoiceRowDelegate(m_choices->font(), m_choices);
    m_choices->setItemDelegate(rows);
    auto colors = m_choices->palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    m_choices->setPalette(colors);
    for (const ProviderLocation& location : m_file->locations) {
        const QString server = toQString(location.server);
        const QString text =
            location.name.empty() ? server : QStringLiteral("%1 \u2014 %2").arg(toQString(location.name), server);
        auto* item = new QListWidgetItem(text, m_choices);
        // The row may be shortened; the whole text is there for the pointer and for screen readers.
        item->setToolTip(text);
        item->setData(Qt::AccessibleTextRole, text);
    }
    // A short list shows whole; a long one scrolls after a few rows.
    constexpr int rowsShown = 3;
    const int rowCount = std::min(m_choices->count(), rowsShown);
    m_choices->setFixedHeight(rowCount * rows->rowHeight());
    m_choices->setCurrentRow(0);
    connect(m_choices, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_file && row >= 0 && std::size_t(row) < m_file->locations.size()) {
            fillFrom(m_file->locations[std::size_t(row)]);
        }
    });
    auto* boxRow = new QHBoxLayout(box);
    boxRow->setContentsMargins(0, 0, 0, 0);
    boxRow->addWidget(m_choices);
    auto* blockColumn = new QVBoxLayout(block);
    blockColumn->setContentsMargins(0, 0, 0, 0);
    blockColumn->setSpacing(7);
    blockColumn->addWidget(label);
    blockColumn->addWidget(box);
    label->setBuddy(m_choices);
    return block;
}

void AddLocationView::fillFrom(const ProviderLocation& location) {
    m_name->field()->setText(toQString(location.name));
    m_server->field()->setText(toQString(location.server));
    m_identity->field()->setText(toQString(location.identity));
    m_username->field()->setText(toQString(location.username));
    // The field's earlier password is wiped, not just replaced.
    wipePassword();
    m_password->field()->setText(toQString(location.password.view()));
}

AddLocationView::~AddLocationView() {
    wipePassword();
}

void AddLocationView::refresh() {
    m_save->setEnabled(m_model.canEdit());
    // While the location is being added, what was given stays as it is; Cancel stays open.
    const bool adding = m_model.operation() == AppModel::Operation::adding;
    for (QWidget* field :
         {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_country), static_cast<QWidget*>(m_server),
          static_cast<QWidget*>(m_identity), static_cast<QWidget*>(m_username), static_cast<QWidget*>(m_password)}) {
        field->setEnabled(!adding);
    }
    if (m_choices != nullptr) {
        m_choices->setEnabled(!adding);
    }
    const bool waiting = adding && m_model.waitingForSecretStore();
    if (waiting != m_waiting->isVisible()) {
        m_waiting->setVisible(waiting);
        if (waiting) {
            m_cancel->setFocus(Qt::OtherFocusReason);
        }
    }
    if (m_saving && !adding) {
        m_saving = false;
        // A success closes the sheet; a failure is shown afresh each time, so that a screen reader
        // announces a second failure as well.
        if (const auto& failure = m_model.addFailure()) {
            showError(*failure);
            m_save->setFocus(Qt::OtherFocusReason);
        }
    }
}

void AddLocationView::save() {
    if (!m_model.canEdit()) {
        return;
    }
    m_saving = true;
    m_model.add(m_name->text(), m_country->text(), m_server->text(), m_identity->text(), m_username->text(),
                m_password->text());
}

void AddLocationView::wipePassword() {
    QLineEdit* field = m_password->field();
    // Sharing the field's buffer until setText gives the field a new one leaves this the buffer's
    // only owner, so the password can be overwritten where it was typed rather than just freed.
    QString secret = field->text();
    field->setText(QString()); // setText, not clear(): it also drops the undo history
    if (!secret.isEmpty() && secret.isDetached()) {
        explicit_bzero(secret.data(), std::size_t(secret.size()) * sizeof(QChar));
    }
}

QPushButton* AddLocationView::cancelButton() const {
    return m_cancel;
}

QPushButton* AddLocationView::saveButton() const {
    return m_save;
}

QWidget* AddLocationView::firstField() const {
    return m_fromFile ? m_country->field() : m_name->field();
}

} // namespace vantorel
