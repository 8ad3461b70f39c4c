#include "ui/components/Symbols.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

namespace vantorel {
namespace {

// How an outline drawing from the icon set is turned into the symbol's look. The set has outlines
// only, so the filled symbols fill one shape of the outline (`body`) and either fill everything,
// cut the remaining strokes out of the fill, or fill the left half of the body.
enum class Look { outline, filled, filledCutout, leftHalfFilled };

struct Entry {
    const char* name;
    const char* file;
    Look look = Look::outline;
    int body = 0;
};

constexpr std::array entries{
    Entry{"antenna.radiowaves.left.and.right", "radio-tower"},
    Entry{"arrow.right", "arrow-right"},
    Entry{"arrow.triangle.branch", "split"},
    Entry{"arrow.up.right", "arrow-up-right"},
    Entry{"checkmark.shield.fill", "shield-check", Look::filledCutout, 0},
    Entry{"chevron.right", "chevron-right"},
    Entry{"circle.dotted", "circle-dashed"},
    Entry{"clock", "clock"},
    Entry{"ellipsis", "ellipsis", Look::filled},
    Entry{"globe", "globe"},
    Entry{"globe.americas", "earth"},
    Entry{"globe.europe.africa.fill", "earth", Look::filledCutout, 3},
    Entry{"hand.raised", "hand"},
    Entry{"info.circle", "info"},
    Entry{"key", "key"},
    Entry{"key.horizontal", "key-round"},
    Entry{"location.circle", "compass"},
    Entry{"lock", "lock"},
    Entry{"magnifyingglass", "search"},
    Entry{"moon", "moon"},
    Entry{"network", "network"},
    Entry{"person.crop.circle", "circle-user"},
    Entry{"plus", "plus"},
    Entry{"power", "power"},
    Entry{"printer", "printer"},
    Entry{"shield.lefthalf.filled", "shield-half", Look::leftHalfFilled, 0},
    Entry{"slider.horizontal.3", "sliders-horizontal"},
    Entry{"sparkle", "sparkle", Look::filled},
    Entry{"star", "star"},
    Entry{"star.fill", "star", Look::filled},
};

const Entry* find(QStringView name) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const Entry& entry) { return name == QLatin1String(entry.name); });
    return it == entries.end() ? nullptr : &*it;
}

// Stroke width on the icon set's 24-unit grid. The set is drawn at 2; the lighter weights thin
// the lines so that a large ultra-light icon stays delicate, the heavier ones thicken them.
double strokeWidth(QFont::Weight weight) {
    if (weight <= QFont::ExtraLight) {
        return 0.5;
    }
    if (weight <= QFont::Light) {
        return 1.25;
    }
    if (weight <= QFont::Normal) {
        return 1.75;
    }
    if (weight <= QFont::Medium) {
        return 2.0;
    }
    if (weight <= QFont::DemiBold) {
        return 2.25;
    }
    return 2.5;
}

struct Shape {
    QString element;
    QXmlStreamAttributes attributes;
};

// The drawable children of one icon file, read once.
QList<Shape> shapes(const char* file) {
    static QHash<QString, QList<Shape>> cache;
    const auto key = QString::fromLatin1(file);
    if (auto it = cache.constFind(key); it != cache.cend()) {
        return *it;
    }
    QList<Shape> result;
    QFile source(QStringLiteral(":/icons/lucide/%1.svg").arg(key));
    if (source.open(QIODevice::ReadOnly)) {
        QXmlStreamReader reader(&source);
        int depth = 0;
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::StartElement) {
                ++depth;
                if (depth == 2) {
                    result.append({reader.name().toString(), reader.attributes()});
                }
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
            }
        }
        if (reader.hasError()) {
            qWarning("Vantorel: icon %s is not readable SVG", file);
            result.clear();
        }
    }
    cache.insert(key, result);
    return result;
}

enum class Paint { stroke, fill };

// An SVG document of the chosen shapes, all in black: colour is applied afterwards, so one
// rendering serves every tint.
QByteArray document(const QList<Shape>& all, const QList<int>& indices, Paint paint, double width) {
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.writeStartElement(QStringLiteral("svg"));
    writer.writeAttribute(QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/2000/svg"));
    writer.writeAttribute(QStringLiteral("width"), QStringLiteral("24"));
    writer.writeAttribute(QStringLiteral("height"), QStringLiteral("24"));
    writer.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 24 24"));
    writer.writeAttribute(QStringLiteral("fill"),
                          paint == Paint::fill ? QStringLiteral("#000") : QStringLiteral("none"));
    writer.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000"));
    writer.writeAttribute(QStringLiteral("stroke-width"), QString::number(width));
    writer.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("round"));
    writer.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
    for (int index : indices) {
        const auto& shape = all.at(index);
        writer.writeStartElement(shape.element);
        for (const auto& attribute : shape.attributes) {
            auto value = attribute.value().toString();
            value.replace(QStringLiteral("currentColor"), QStringLiteral("#000"));
            writer.writeAttribute(attribute.qualifiedName().toString(), value);
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    return out;
}

void render(QPainter& painter, const QByteArray& svg, const QRectF& box) {
    QSvgRenderer renderer(svg);
    renderer.render(&painter, box);
}

// A stroke thinner than two device pixels that runs between two rows of pixels covers each only by
// half its width, so a small symbol would show dimmed lines and never its colour. Coverage is scaled
// up by the inverse of that worst case: at least one pixel across every stroke reaches full
// opacity, and the edges beside it stay soft. Strokes two pixels wide or more reach it already.
// A mark hardly longer than it is wide (the dot of an "i", a dash of a dotted circle) covers less
// than a line of its width, so each separate mark is then raised until its densest pixel is full.
void sharpen(QImage& coverage, double strokePixels) {
    const int width = coverage.width();
    const int height = coverage.height();
    const double gain = std::max(1.0, 2 / strokePixels);
    std::vector<int> alpha(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            alpha[std::size_t(y) * width + x] = std::min(255, int(std::lround(qAlpha(row[x]) * gain)));
        }
    }
    // One mark at a time: the pixels that touch, edges and corners.
    std::vector<bool> seen(alpha.size());
    std::vector<std::size_t> mark;
    for (std::size_t start = 0; start < alpha.size(); ++start) {
        if (seen[start] || alpha[start] == 0) {
            continue;
        }
        mark.assign(1, start);
        seen[start] = true;
        int densest = 0;
        for (std::size_t next = 0; next < mark.size(); ++next) {
            const int x = int(mark[next] % width);
            const int y = int(mark[next] / width);
            densest = std::max(densest, alpha[mark[next]]);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height) {
                        continue;
                    }
                    const std::size_t neighbour = std::size_t(ny) * width + nx;
                    if (!seen[neighbour] && alpha[neighbour] > 0) {
                        seen[neighbour] = true;
                        mark.push_back(neighbour);
                    }
                }
            }
        }
        for (const std::size_t pixel : mark) {
            alpha[pixel] = std::min(255, alpha[pixel] * 255 / densest);
        }
    }
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(coverage.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] = qRgba(0, 0, 0, alpha[std::size_t(y) * width + x]);
        }
    }
}

QImage blankImage(int pixelSide) {
    QImage image(pixelSide, pixelSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The icon as coverage only (black at varying alpha).
QImage mask(const Entry& entry, int pixelSide, QFont::Weight weight) {
    const auto all = shapes(entry.file);
    QImage image = blankImage(pixelSide);
    if (all.isEmpty()) {
        return image;
    }
    QList<int> everything(all.size());
    std::iota(everything.begin(), everything.end(), 0);
    QList<int> rest = everything;
    rest.removeAll(entry.body);
    const double width = strokeWidth(weight);
    const QRectF box(0, 0, pixelSide, pixelSide);
    const auto strokes = [&](const QList<int>& indices) {
        QImage layer = blankImage(pixelSide);
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing);
        render(painter, document(all, indices, Paint::stroke, width), box);
        painter.end();
        sharpen(layer, width * pixelSide / 24);
        return layer;
    };

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (entry.look) {
    case Look::outline:
        painter.drawImage(0, 0, strokes(everything));
        break;
    case Look::filled:
        // The outlines go over the fill again, so that a shape too small to have an inside (a dot)
        // is as full at its middle as a stroke.
        render(painter, document(all, everything, Paint::fill, width), box);
        painter.drawImage(0, 0, strokes(everything));
        break;
    case Look::filledCutout:
        render(painter, document(all, {entry.body}, Paint::fill, width), box);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter.drawImage(0, 0, strokes(rest));
        break;
    case Look::leftHalfFilled:
        painter.save();
        painter.setClipRect(QRectF(0, 0, pixelSide / 2.0, pixelSide));
        render(painter, document(all, {entry.body}, Paint::fill, width), box);
        painter.restore();
        painter.drawImage(0, 0, strokes(everything));
        break;
    }
    return image;
}

class SymbolIconEngine final : public QIconEngine {
public:
    SymbolIconEngine(QString name, QColor color, QFont::Weight weight)
        : m_name(std::move(name)), m_color(color), m_weight(weight) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const auto side = std::min(rect.width(), rect.height());
        const QRectF box(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0, side, side);
        Symbols::paint(*painter, box, m_name, colorFor(mode), m_weight);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const int side = int(std::ceil(std::min(size.width(), size.height()) * scale));
        auto pixmap = QPixmap::fromImage(Symbols::image(m_name, side, colorFor(mode), m_weight));
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SymbolIconEngine(m_name, m_color, m_weight); }
    QString key() const override { return QStringLiteral("vantorel-symbol"); }

private:
    QColor colorFor(QIcon::Mode mode) const {
        auto color = m_color;
        if (mode == QIcon::Disabled) {
            color.setAlphaF(color.alphaF() * 0.4f);
        }
        return color;
    }

    QString m_name;
    QColor m_color;
    QFont::Weight m_weight;
};

} // namespace

bool Symbols::contains(QStringView name) {
    return find(name) != nullptr;
}

QStringList Symbols::names() {
    QStringList result;
    for (const auto& entry : entries) {
        result.append(QString::fromLatin1(entry.name));
    }
    return result;
}

int Symbols::side(const QFont& font) {
    // The icon set leaves a margin of 2 units on its 24-unit grid, so a square 1.2 times the
    // font size puts the drawing itself at about the font's size, as a symbol beside text should be.
    const qreal size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    return int(std::lround(size * 1.2));
}

QImage Symbols::image(QStringView name, int pixelSide, const QColor& color, QFont::Weight weight) {
    const auto* entry = find(name);
    if (entry == nullptr || pixelSide <= 0) {
        return {};
    }
    static QHash<QString, QImage> cache;
    const auto key = QStringLiteral("%1|%2|%3|%4")
                         .arg(QLatin1String(entry->name))
                         .arg(pixelSide)
                         .arg(int(weight))
                         .arg(quint64(color.rgba64()), 16, 16);
    if (auto it = cache.constFind(key); it != cache.cend()) {
        return *it;
    }
    auto tinted = mask(*entry, pixelSide, weight);
    {
        QPainter painter(&tinted);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(tinted.rect(), color);
    }
    // Icons are few and small; the cache stays bounded by the handful of sizes and colours in use.
    cache.insert(key, tinted);
    return tinted;
}

void Symbols::paint(QPainter& painter, const QRectF& box, QStringView name, const QColor& color, QFont::Weight weight) {
    // Render at the density of the device and the painter's scale, so the icon is never stretched.
    const qreal density = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    const qreal scale = std::sqrt(std::abs(painter.worldTransform().determinant())) * density;
    const int pixelSide = int(std::ceil(std::min(box.width(), box.height()) * scale));
    auto picture = image(name, pixelSide, color, weight);
    if (picture.isNull()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(box, picture);
    painter.restore();
}

QIcon Symbols::icon(QStringView name, const QColor& color, QFont::Weight weight) {
    if (!contains(name)) {
        return {};
    }
    return QIcon(new SymbolIconEngine(name.toString(), color, weight));
}

} // namespace vantorel
