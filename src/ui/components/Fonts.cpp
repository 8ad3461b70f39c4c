#include "ui/components/Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QResource>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace vantorel {
namespace {

constexpr std::array bundledWeights{QFont::ExtraLight, QFont::Light,    QFont::Normal,
                                    QFont::Medium,     QFont::DemiBold, QFont::Bold};

struct Face {
    Fonts::Design design;
    const char* folder;
    const char* filePrefix;
    const char* extension;
};

constexpr std::array faces{
    Face{Fonts::Design::standard, "inter", "Inter", "otf"},
    Face{Fonts::Design::rounded, "nunito", "Nunito", "ttf"},
    Face{Fonts::Design::monospaced, "jetbrains-mono", "JetBrainsMono", "ttf"},
};

QString styleSuffix(QFont::Weight weight) {
    switch (weight) {
    case QFont::ExtraLight:
        return QStringLiteral("ExtraLight");
    case QFont::Light:
        return QStringLiteral("Light");
    case QFont::Medium:
        return QStringLiteral("Medium");
    case QFont::DemiBold:
        return QStringLiteral("SemiBold");
    case QFont::Bold:
        return QStringLiteral("Bold");
    default:
        return QStringLiteral("Regular");
    }
}

QFont::Weight nearestBundled(QFont::Weight weight) {
    auto best = bundledWeights.front();
    for (auto candidate : bundledWeights) {
        if (std::abs(int(candidate) - int(weight)) < std::abs(int(best) - int(weight))) {
            best = candidate;
        }
    }
    return best;
}

// Some of the files name each weight as a family of its own ("Nunito SemiBold") and others
// group them ("Inter" with styles), so the family Qt reports for each file is remembered and
// used as is: a font then always resolves to exactly the file of its weight.
QHash<std::pair<int, int>, QString>& registeredFamilies() {
    static QHash<std::pair<int, int>, QString> families;
    return families;
}

// Registers one bundled file with Qt and returns the family Qt reports for it. Each file is
// registered when a font of its design and weight is first asked for: the first window uses six
// of the eighteen, and each one costs parsing and, copied, a quarter of a megabyte.
QString registerFace(Fonts::Design design, QFont::Weight weight) {
    Q_ASSERT(qobject_cast<QGuiApplication*>(QCoreApplication::instance()));
    const auto face = std::ranges::find(faces, design, &Face::design);
    const auto path = QStringLiteral(":/fonts/%1/%2-%3.%4")
                          .arg(QLatin1String(face->folder), QLatin1String(face->filePrefix), styleSuffix(weight),
                               QLatin1String(face->extension));
    // The fonts are stored uncompressed in the binary, so Qt can read them where they are
    // instead of from a copy on the heap.
    const QResource resource(path);
    const QByteArray data =
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()))
            : resource.uncompressedData();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    const auto families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        qWarning("Vantorel: the bundled font %s could not be loaded", qPrintable(path));
        return {};
    }
    return families.front();
}

} // namespace

QString Fonts::family(Design design, QFont::Weight weight) {
    const QFont::Weight bundled = nearestBundled(weight);
    auto& families = registeredFamilies();
    const std::pair<int, int> key{int(design), int(bundled)};
    if (const auto found = families.constFind(key); found != families.cend()) {
        return *found;
    }
    const QString family = registerFace(design, bundled);
    families.insert(key, family);
    return family;
}

QFont Fonts::font(Design design, int size, QFont::Weight weight) {
    QFont font;
    font.setFamilies({family(design, weight)});
    font.setWeight(nearestBundled(weight));
    font.setStyleHint(design == Design::monospaced ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(size);
    font.setKerning(true);
    return font;
}

QFont Fonts::symbol(int size, QFont::Weight weight) {
    QFont font;
    font.setWeight(weight);
    font.setPixelSize(size);
    return font;
}

QFont Fonts::tracked(QFont font, qreal tracking) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, tracking);
    return font;
}

} // namespace vantorel
