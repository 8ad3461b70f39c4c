#include "ui/ModelWatcher.h"

#include "app/AppModel.h"

namespace vantorel {

ModelWatcher::ModelWatcher(AppModel& model, std::function<void()> redraw, QObject* parent)
    : QObject(parent), m_redraw(std::move(redraw)) {
    connect(&model, &AppModel::willChange, this, &ModelWatcher::schedule);
}

void ModelWatcher::schedule() {
    if (m_pending) {
        return;
    }
    m_pending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pending = false;
            m_redraw();
        },
        Qt::QueuedConnection);
}

} // namespace vantorel
