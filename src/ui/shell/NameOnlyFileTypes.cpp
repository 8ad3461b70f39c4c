#include "ui/shell/NameOnlyFileTypes.h"

#include <QFileInfo>
#include <QIcon>

namespace vantorel {

QIcon NameOnlyFileTypes::icon(const QFileInfo& info) const {
    return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
}

QString NameOnlyFileTypes::type(const QFileInfo& info) const {
    if (info.isDir()) {
        return QStringLiteral("Folder");
    }
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("sswan") || suffix == QLatin1String("mobileconfig") ||
        suffix == QLatin1String("nmconnection")) {
        return QStringLiteral("VPN profile");
    }
    return suffix.isEmpty() ? QStringLiteral("File") : QStringLiteral("%1 file").arg(suffix.toUpper());
}

} // namespace vantorel
