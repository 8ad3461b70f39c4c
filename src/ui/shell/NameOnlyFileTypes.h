#pragma once

#include <QAbstractFileIconProvider>

namespace vantorel {

// Icons and type names for the import dialog's list of files, told from names alone. Qt's own look
// into each file listed (up to 16 KiB of it) to tell its type; in a folder of profiles that would
// copy passwords into this process, which reads providers' files only in a helper of its own.
class NameOnlyFileTypes final : public QAbstractFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace vantorel
