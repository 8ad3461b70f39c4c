#include "ui/components/GlobeArtwork.h"

#include "ui/components/Accessibility.h"
#include "ui/components/Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace vantorel {

GlobeArtwork::GlobeArtwork(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hideFromAccessibility(this);
}

void GlobeArtwork::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal density = painter.device() != nullptr ? painter.device()->devicePixelRatio() : devicePixelRatioF();
    // Drawn once per size and density: the page repaints around it (the session timer, a phase
    // change) far more often than the drawing could change.
    if (m_image.isNull() || m_image.size() != size() * density || m_image.devicePixelRatio() != density) {
        m_image = image(size(), density);
    }
    painter.drawImage(QPointF(0, 0), m_image);
}

namespace {

void drawShapes(QPainter& painter, const QSizeF& size) {
    const qreal cx = size.width() * 0.5;
    const qreal cy = size.height() * 0.5;
    painter.setRenderHint(QPainter::Antialiasing);

    // The halo fades to violet at zero opacity rather than to transparent black, so its edge
    // never darkens towards grey.
    QRadialGradient halo(QPointF(cx, cy), 180);
    halo.setSpread(QGradient::PadSpread);
    halo.setColorAt(0, Palette::violet.color(0.10));
    halo.setColorAt(1, Palette::violet.color(0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(QRectF(cx - 170, cy - 115, 340, 230));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::violet.color(0.12), 1.0));
    painter.drawEllipse(QRectF(cx - 105, cy - 105, 210, 210));
    painter.drawEllipse(QRectF(cx - 68.25, cy - 105, 136.5, 210));
    painter.drawEllipse(QRectF(cx - 29.4, cy - 105, 58.8, 210));
    painter.drawEllipse(QRectF(cx - 105, cy - 26.25, 210, 52.5));
    painter.drawEllipse(QRectF(cx - 105, cy - 68.25, 210, 136.5));

    QPen arcPen(Palette::violet.color(0.23), 1.0, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    arcPen.setMiterLimit(10);
    arcPen.setDashPattern({3, 5});
    arcPen.setDashOffset(0);
    const QColor dot = Palette::violet.color(0.75);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath arc(QPointF(cx + side * 80, cy - 80));
        arc.cubicTo(QPointF(cx + side * 270, cy - 70), QPointF(cx + side * 210, cy + 42),
                    QPointF(cx + side * GlobeArtwork::endDotOffset, cy + GlobeArtwork::endDotDrop));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(arcPen);
        painter.drawPath(arc);

        painter.setPen(Qt::NoPen);
        painter.setBrush(dot);
        painter.drawEllipse(QPointF(cx + side * GlobeArtwork::endDotOffset, cy + GlobeArtwork::endDotDrop),
                            GlobeArtwork::endDotRadius, GlobeArtwork::endDotRadius);
    }
}

} // namespace

QImage GlobeArtwork::image(const QSize& size, qreal density) {
    const QSize pixels(int(std::ceil(size.width() * density)), int(std::ceil(size.height() * density)));
    // Sixteen bits a channel keep the faint halo's colour exact until the one final conversion, at
    // the end: kept in eight bits, the picture takes half the memory and is not converted again
    // on every paint.
    QImage picture(pixels, QImage::Format_RGBA64_Premultiplied);
    picture.setDevicePixelRatio(density);
    picture.fill(Qt::transparent);
    if (pixels.isEmpty()) {
        return picture;
    }
    // With an odd number of pixel columns the middle one is its own mirror image and is drawn.
    const int drawnColumns = (pixels.width() + 1) / 2;
    const int mirroredColumns = pixels.width() / 2;
    {
        QPainter painter(&picture);
        painter.setClipRect(QRectF(0, 0, drawnColumns / density, size.height()));
        drawShapes(painter, size);
    }
    auto right = picture.copy(0, 0, mirroredColumns, pixels.height()).mirrored(true, false);
    right.setDevicePixelRatio(1);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // In device pixels, so that the copy lands exactly on the right-hand columns.
    painter.scale(1 / density, 1 / density);
    painter.drawImage(QPoint(pixels.width() - mirroredColumns, 0), right);
    painter.end();
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace vantorel
