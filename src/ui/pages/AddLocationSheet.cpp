#include "ui/pages/AddLocationSheet.h"

#include "app/AppModel.h"
#include "ui/components/Palette.h"
#include "ui/pages/AddLocationView.h"

#include <QEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace vantorel {

AddLocationSheet::AddLocationSheet(AppModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    // The sheet may be no taller than its window: it follows the window's size.
    if (parent != nullptr) {
        parent->window()->installEventFilter(this);
    }
    setObjectName(QStringLiteral("addLocationSheet"));
    setWindowTitle(tr("Add Location"));
    setAccessibleName(tr("Add Location"));
    setWindowModality(Qt::WindowModal);
    setFixedWidth(sheetWidth);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Palette::background.color());
    setPalette(colors);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Cancel, Escape, Save, the window closing, the model turning `showingAdd` off: all end here.
    connect(this, &QDialog::finished, this, &AddLocationSheet::dismantle);
}

void AddLocationSheet::present() {
    dismantle();
    // A provider's file read for the sheet is taken over by the new content.
    m_view = new AddLocationView(m_model, m_model.takeImport(), this);
    m_view->setObjectName(QStringLiteral("addLocationView"));
    connect(m_view, &AddLocationView::cancelRequested, this, &QDialog::reject);
    layout()->addWidget(m_view);
    fitHeight();
    open();
    // Presented again over itself for a newly opened file, it comes to the front.
    raise();
    activateWindow();
    m_view->firstField()->setFocus(Qt::OtherFocusReason);
}

void AddLocationSheet::reject() {
    if (m_model.operation() == AppModel::Operation::adding) {
        m_model.giveUp();
    }
    QDialog::reject();
}

AddLocationView* AddLocationSheet::view() const {
    return m_view;
}

bool AddLocationSheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && m_view != nullptr && watched == parentWidget()->window()) {
        fitHeight();
    }
    return QDialog::eventFilter(watched, event);
}

bool AddLocationSheet::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest && m_view != nullptr) {
        fitHeight();
    }
    return handled;
}

void AddLocationSheet::fitHeight() {
    // As tall as the content at the sheet's width, growing when the error line appears, but no taller
    // than the window it belongs to, nor than the screen: the middle of the content scrolls then.
    int room = screen()->availableGeometry().height() - screenMargin;
    if (const QWidget* window = parentWidget() != nullptr ? parentWidget()->window() : nullptr) {
        room = std::min(room, window->height());
    }
    setFixedHeight(std::min(m_view->preferredHeight(), std::max(room, minimumRoom)));
}

void AddLocationSheet::dismantle() {
    if (m_view != nullptr) {
        m_view->wipePassword();
        m_view->hide();
        m_view->deleteLater();
        m_view = nullptr;
    }
}

} // namespace vantorel
