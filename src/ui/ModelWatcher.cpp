#include "ui/ModelWatcher.h"

#include "app/AppModel.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace vantorel {

void layOutAtOnce(QWidget* widget) {
    for (; widget != nullptr && widget->isVisible(); widget = widget->parentWidget()) {
        if (QLayout* layout = widget->layout()) {
            layout->activate();
        }
        if (widget->isWindow()) {
            break;
        }
    }
}

ModelWatcher::ModelWatcher(AppModel& model, std::function<void()> redraw, QObject* parent)
    : QObject(parent), m_redraw(std::move(redraw)) {
    connect(&model, &AppModel::willChange, this, &ModelWatcher::schedule);
}

ModelWatcher* ModelWatcher::forPage(AppModel& model, std::function<void()> redraw, QWidget* page) {
    auto* watcher = new ModelWatcher(model, std::move(redraw), page);
    watcher->m_page = page;
    // The page has shown nothing yet: its first redraw comes as it is first shown.
    watcher->m_stale = true;
    page->installEventFilter(watcher);
    return watcher;
}

void ModelWatcher::schedule() {
    if (m_pending) {
        return;
    }
    m_pending = true;
    QMetaObject::invokeMethod(this, &ModelWatcher::run, Qt::QueuedConnection);
}

void ModelWatcher::run() {
    m_pending = false;
    if (m_page != nullptr && !m_page->isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    m_redraw();
}

bool ModelWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_page && event->type() == QEvent::Show && m_stale) {
        m_stale = false;
        m_redraw();
        layOutAtOnce(m_page);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantorel
