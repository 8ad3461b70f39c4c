#pragma once

#include <QFont>
#include <QString>

namespace vantorel {

// The bundled type faces. A size is in design points, which are device-independent pixels:
// the same unit as every other length of the layout, so text keeps its proportions to the boxes
// around it at any screen density.
class Fonts final {
public:
    enum class Design { standard, rounded, monospaced };

    Fonts() = delete;

    // Weights are QFont's: ExtraLight stands for ultra-light, DemiBold for semibold. Only
    // ExtraLight, Light, Normal, Medium, DemiBold and Bold are bundled; others take the nearest.
    static QFont font(Design design, int size, QFont::Weight weight = QFont::Normal);
    static QFont system(int size, QFont::Weight weight = QFont::Normal) { return font(Design::standard, size, weight); }
    static QFont rounded(int size, QFont::Weight weight = QFont::Normal) { return font(Design::rounded, size, weight); }
    static QFont monospaced(int size, QFont::Weight weight = QFont::Normal) {
        return font(Design::monospaced, size, weight);
    }

    // For a symbol, which takes only its size and the weight of its strokes from a font: no face is
    // registered for it (Light and ExtraLight are never needed for text on the first window).
    static QFont symbol(int size, QFont::Weight weight = QFont::Normal);

    // `font` with absolute letter spacing (tracking) in points.
    static QFont tracked(QFont font, qreal tracking);

    // The family under which Qt registered the bundled file for this design and weight; the file is
    // registered the first time it is asked for. Needs a QGuiApplication.
    static QString family(Design design, QFont::Weight weight);
};

} // namespace vantorel
