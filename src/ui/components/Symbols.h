#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QStringList>
#include <QStringView>

class QPainter;
class QRectF;

namespace vantorel {

// Icons looked up by the symbol names the pages use ("clock", "star.fill"). Each is drawn in a
// square whose side follows the font it stands beside, tinted in one colour, with strokes that
// get heavier with the font's weight, and rendered at the device's pixel density.
class Symbols final {
public:
    Symbols() = delete;

    static bool contains(QStringView name);
    static QStringList names();

    // Side of the square an icon takes beside text in `font`.
    static int side(const QFont& font);

    // A transparent image `pixelSide` device pixels square holding the icon in `color`. Unknown
    // names give a null image.
    static QImage image(QStringView name, int pixelSide, const QColor& color, QFont::Weight weight = QFont::Normal);

    // Paints the icon into the square `box` (in the painter's logical coordinates).
    static void paint(QPainter& painter, const QRectF& box, QStringView name, const QColor& color,
                      QFont::Weight weight = QFont::Normal);

    // For Qt's own widgets (menus, standard buttons): renders at whatever size and density they ask.
    static QIcon icon(QStringView name, const QColor& color, QFont::Weight weight = QFont::Normal);
};

} // namespace vantorel
