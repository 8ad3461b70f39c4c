#include "ui/components/Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace vantorel {
namespace {

constexpr char decorativeProperty[] = "vantorelDecorative";

class DecorativeInterface final : public QAccessibleWidget {
public:
    explicit DecorativeInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}

    QAccessible::State state() const override {
        auto state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

QAccessibleInterface* decorativeFactory(const QString&, QObject* object) {
    if (object != nullptr && object->isWidgetType() && object->property(decorativeProperty).toBool()) {
        return new DecorativeInterface(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void hideFromAccessibility(QWidget* widget) {
    static const bool installed = [] {
        QAccessible::installFactory(decorativeFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(decorativeProperty, true);
}

} // namespace vantorel
