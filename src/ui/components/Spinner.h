#pragma once

#include <QWidget>

class QVariantAnimation;

namespace vantorel {

// A small indeterminate progress indicator: a ring of fading spokes that turns only while the
// widget is visible, so a hidden spinner costs no timer.
class Spinner final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Spinner)

public:
    explicit Spinner(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const;
    bool isAnimating() const;

    QSize sizeHint() const override { return {16, 16}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QVariantAnimation* m_animation;
    int m_step = 0;
};

} // namespace vantorel
