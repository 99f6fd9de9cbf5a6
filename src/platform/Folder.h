// A folder on disk and its listing in file-system order.
#pragma once

#include "platform/File.h"

#include <QList>
#include <QString>

class Folder final
{
public:
    // The path must name an existing folder; FileSystemObject::GetFolder checks that.
    explicit Folder(QString path);

    const QString& Path() const noexcept { return m_path; }

    // Listing order is by name ignoring case, so it is the same on every platform.
    // Both throw when the folder cannot be read. Symbolic links count as what they point to.
    // Subfolders come as names alone: a listing may hold thousands of them.
    QStringList SubFolderNames() const;
    QList<File> Files() const;

private:
    enum class Kind { Folders, Files };
    QStringList namesOf(Kind kind) const;

    QString m_path;
};
