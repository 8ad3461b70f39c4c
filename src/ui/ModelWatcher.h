#pragma once

#include <QObject>
#include <functional>

namespace vantorel {

class AppModel;

// Calls `redraw` once on the turn of the event loop after the model announces a change, however
// many changes were announced in between. The model announces before it stores, so reading it
// right away would see the old values; a later turn sees the new ones, and a burst costs one redraw.
class ModelWatcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModelWatcher)

public:
    ModelWatcher(AppModel& model, std::function<void()> redraw, QObject* parent);

private:
    void schedule();

    std::function<void()> m_redraw;
    bool m_pending = false;
};

} // namespace vantorel
