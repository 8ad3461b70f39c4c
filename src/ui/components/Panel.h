#pragma once

#include <QColor>
#include <QWidget>

namespace vantorel {

// A container drawn as a filled rounded rectangle (by default `Palette::panel`, radius 12), with an
// optional outline. As a capsule its corner radius is always half its shorter side, which on a
// square makes a circle.
class Panel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Panel)

public:
    explicit Panel(QWidget* parent = nullptr);

    void setFill(const QColor& fill);
    QColor fill() const { return m_fill; }
    void setCornerRadius(qreal radius);
    qreal cornerRadius() const { return m_radius; }
    void setCapsule(bool capsule);
    // The outline is stroked inside the edge, so it is never clipped by the widget's bounds.
    void setOutline(const QColor& color, qreal width = 1.0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_outline;
    qreal m_outlineWidth = 0;
    qreal m_radius = 12;
    bool m_capsule = false;
};

} // namespace vantorel
