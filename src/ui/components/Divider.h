#pragma once

#include <QWidget>

namespace vantorel {

// A hairline one point thick in `Palette::line`, spanning its layout's width (or height, upright).
class Divider final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Divider)

public:
    explicit Divider(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {1, 1}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantorel
