#pragma once

#include <QWidget>

namespace vantorel {

class SymbolLabel;
class TextLabel;

// One line of a settings panel: symbol, title over a wrapping detail, and the caller's control
// (any widget: a switch, a button) at the trailing edge. The row takes ownership of the control.
// No background of its own: the panel it sits in supplies one.
class SettingRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingRow)

public:
    SettingRow(const QString& title, const QString& detail, const QString& icon, QWidget* control,
               QWidget* parent = nullptr);

    QWidget* control() const { return m_control; }

private:
    SymbolLabel* m_icon;
    TextLabel* m_title;
    TextLabel* m_detail;
    QWidget* m_control;
};

} // namespace vantorel
