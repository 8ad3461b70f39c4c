#pragma once

#include <QWidget>

namespace vantorel {

class SymbolLabel;
class TextLabel;

// A hint: a violet symbol beside muted text that wraps to the available width and grows as tall
// as its lines need. No background of its own.
class Notice final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Notice)

public:
    Notice(const QString& icon, const QString& text, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

private:
    SymbolLabel* m_icon;
    TextLabel* m_text;
};

} // namespace vantorel
