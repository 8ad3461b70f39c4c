#include "ui/components/Switch.h"

#include "ui/components/Palette.h"

#include <QFocusEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <utility>

namespace vantorel {

Switch::Switch(QWidget* parent) : KeyboardFocus(parent), m_slide(new QVariantAnimation(this)) {
    setCheckable(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    m_slide->setDuration(140);
    m_slide->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_slide, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_position = value.toReal();
        update();
    });
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        m_slide->stop();
        // Taken here, not where it is set: a view answering the flip (putting back a value its model
        // refused) toggles the switch again from inside this signal, and that is not the person's
        // gesture any more.
        const bool flipped = std::exchange(m_flipping, false);
        if (!flipped || !isVisible()) {
            m_position = on ? 1 : 0;
            update();
            return;
        }
        m_slide->setStartValue(m_position);
        m_slide->setEndValue(on ? 1.0 : 0.0);
        m_slide->start();
    });
}

void Switch::nextCheckState() {
    // QAbstractButton comes here only from a click: the mouse, Space, or an assistive technology's
    // press. Everything else (setChecked, toggle) is the program setting a value.
    m_flipping = true;
    KeyboardFocus::nextCheckState();
    m_flipping = false;
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    const QSizeF size = sizeHint();
    const QRectF track(std::round((width() - size.width()) / 2), std::round((height() - size.height()) / 2),
                       size.width(), size.height());
    const qreal radius = track.height() / 2;

    // The track's colour follows the knob, so half-way through the slide it is half violet.
    const auto off = Palette::text.color(0.16);
    const auto on = Palette::violet.color();
    const auto mix = [&](float a, float b) {
        return a + (b - a) * float(m_position);
    };
    const QColor fill = QColor::fromRgbF(mix(off.redF(), on.redF()), mix(off.greenF(), on.greenF()),
                                         mix(off.blueF(), on.blueF()), mix(off.alphaF(), on.alphaF()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(track, radius, radius);

    if (showsKeyboardFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Palette::violet.color(0.6), 1.5));
        painter.drawRoundedRect(track.adjusted(-0.5, -0.5, 0.5, 0.5), radius, radius);
    }

    const qreal inset = 2;
    const qreal knob = track.height() - 2 * inset;
    const qreal travel = track.width() - 2 * inset - knob;
    const QRectF knobRect(track.left() + inset + travel * m_position, track.top() + inset, knob, knob);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::background.color(0.35));
    painter.drawEllipse(knobRect.translated(0, 0.75));
    painter.setBrush(Palette::text.color(1.0));
    painter.drawEllipse(knobRect);
}

} // namespace vantorel
