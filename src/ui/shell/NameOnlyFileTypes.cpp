#include "ui/shell/NameOnlyFileTypes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>

namespace vantorel {

QIcon NameOnlyFileTypes::icon(const QFileInfo& info) const {
    return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
}

QString NameOnlyFileTypes::type(const QFileInfo& info) const {
    if (info.isDir()) {
        return QCoreApplication::translate("vantorel::NameOnlyFileTypes", "Folder");
    }
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("sswan") || suffix == QLatin1String("mobileconfig") ||
        suffix == QLatin1String("nmconnection")) {
        return QCoreApplication::translate("vantorel::NameOnlyFileTypes", "VPN profile");
    }
    if (suffix.isEmpty()) {
        return QCoreApplication::translate("vantorel::NameOnlyFileTypes", "File");
    }
    //: The type of a file whose name ends in %1, as "PDF file".
    return QCoreApplication::translate("vantorel::NameOnlyFileTypes", "%1 file").arg(suffix.toUpper());
}

} // namespace vantorel
