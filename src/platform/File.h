// A file found in a folder listing.
#pragma once

#include <QString>

class File final
{
public:
    explicit File(QString path);

    // The folder's path, a separator and the file's name.
    const QString& Path() const noexcept { return m_path; }
    QString Name() const;
    // Not hidden and not a system file: what the mask-0 folder probe sees.
    bool isOrdinary() const;
    // Deletes the file; with force, read-only files go too.
    void Delete(bool force) const;

private:
    QString m_path;
};
