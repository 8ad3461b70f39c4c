#pragma once

#include <QImage>
#include <QWidget>

namespace vantorel {

// The decorative wire-frame globe behind the connection status: a faint halo, the globe with two
// meridians and two parallels, and a dashed arc with a dot on either side. Every shape has a fixed
// size and sits relative to the centre, so resizing moves the drawing but never scales it. The
// rest of the widget is transparent, and assistive technology does not see it.
class GlobeArtwork final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GlobeArtwork)

public:
    explicit GlobeArtwork(QWidget* parent = nullptr);

    // The artwork for an area of `size` points at `density` device pixels per point. The left half
    // is drawn and the right half is its exact mirror image: drawn directly, the rasteriser's
    // rounding would differ slightly between the two sides.
    static QImage image(const QSize& size, qreal density);

    QSize sizeHint() const override { return {440, 235}; }

    // Where the dashed arcs end, each in a dot: this far left and right of the centre, and below it.
    static constexpr qreal endDotOffset = 145;
    static constexpr qreal endDotDrop = 64;
    static constexpr qreal endDotRadius = 3;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace vantorel
