#pragma once

#include <QObject>
#include <functional>

class QWidget;

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

    // For a page: while `page` is hidden (behind another page, or in a hidden window) it is not
    // redrawn; it redraws as it is shown, the first time and whenever the model changed meanwhile,
    // and is laid out again before that first frame.
    static ModelWatcher* forPage(AppModel& model, std::function<void()> redraw, QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void schedule();
    void run();

    std::function<void()> m_redraw;
    QWidget* m_page = nullptr;
    bool m_pending = false;
    bool m_stale = false;
};

// Lays out `widget` and what holds it now, inside out. Qt does that at once when a widget is shown,
// but only on later turns when a part is hidden or a text changes its size, one level of widgets a
// turn, so a frame painted meanwhile would show the part in the room it had. A page that hides a
// part as it is shown, or changes a text's length while it is seen, calls this with the innermost
// widget whose size changed.
void layOutAtOnce(QWidget* widget);

} // namespace vantorel
