#pragma once

#include <QWidget>

namespace vantorel {

// The 6-point dot beside the phase in the top bar: lime while connected, muted otherwise.
class StatusDot final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusDot)

public:
    explicit StatusDot(QWidget* parent = nullptr);

    void setLit(bool lit);
    QColor color() const;

    QSize sizeHint() const override { return {6, 6}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_lit = false;
};

} // namespace vantorel
