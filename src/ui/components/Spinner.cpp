#include "ui/components/Spinner.h"

#include <QPainter>
#include <QVariantAnimation>
#include <cmath>

namespace vantorel {
namespace {

constexpr int spokes = 8;

} // namespace

Spinner::Spinner(QWidget* parent) : QWidget(parent), m_animation(new QVariantAnimation(this)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_animation->setStartValue(0);
    m_animation->setEndValue(spokes);
    m_animation->setDuration(800);
    m_animation->setLoopCount(-1);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const int step = value.toInt() % spokes;
        if (step != m_step) {
            m_step = step;
            update();
        }
    });
}

void Spinner::setColor(const QColor& color) {
    auto colors = palette();
    colors.setColor(foregroundRole(), color);
    setPalette(colors);
    update();
}

QColor Spinner::color() const {
    return palette().color(foregroundRole());
}

bool Spinner::isAnimating() const {
    return m_animation->state() == QAbstractAnimation::Running;
}

void Spinner::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_animation->start();
}

void Spinner::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_animation->stop();
}

void Spinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    const qreal outer = side / 2;
    const qreal inner = outer * 0.45;
    const qreal thickness = std::max(1.5, side / 9);
    painter.translate(width() / 2.0, height() / 2.0);
    auto base = color();
    for (int i = 0; i < spokes; ++i) {
        // The spoke at the current step is brightest; the ones behind it trail off.
        const int age = (m_step - i + spokes) % spokes;
        auto spoke = base;
        spoke.setAlphaF(base.alphaF() * float(1.0 - 0.75 * age / (spokes - 1)));
        painter.setPen(QPen(spoke, thickness, Qt::SolidLine, Qt::RoundCap));
        const qreal angle = 2 * M_PI * i / spokes - M_PI / 2;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(direction * inner, direction * (outer - thickness / 2));
    }
}

} // namespace vantorel
