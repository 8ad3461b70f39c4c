#include "ui/components/Accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace vantorel {
namespace {

constexpr char decorativeProperty[] = "vantorelDecorative";
constexpr char alertProperty[] = "vantorelAlert";

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

class AlertInterface final : public QAccessibleWidget {
public:
    explicit AlertInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            if (const auto* label = qobject_cast<const QLabel*>(widget())) {
                return label->text();
            }
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (object->property(decorativeProperty).toBool()) {
        return new DecorativeInterface(widget);
    }
    if (object->property(alertProperty).toBool()) {
        return new AlertInterface(widget);
    }
    return nullptr;
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

void hideFromAccessibility(QWidget* widget) {
    installFactory();
    widget->setProperty(decorativeProperty, true);
}

void announceAsAlert(QWidget* label) {
    installFactory();
    label->setProperty(alertProperty, true);
}

} // namespace vantorel
