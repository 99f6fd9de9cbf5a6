#include "platform/Folder.h"

#include "platform/CaseInsensitivePath.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"

#include <algorithm>
#include <filesystem>
#include <utility>

Folder::Folder(QString path)
    : m_path(std::move(path))
{
}

QString Folder::Name() const
{
    return m_path.mid(m_path.lastIndexOf(QLatin1Char('/')) + 1);
}

QList<Folder> Folder::SubFolders() const
{
    QList<Folder> result;
    for (const QString& name : namesOf(Kind::Folders))
        result.append(Folder(m_path + QLatin1Char('/') + name));
    return result;
}

QList<File> Folder::Files() const
{
    QList<File> result;
    for (const QString& name : namesOf(Kind::Files))
        result.append(File(m_path + QLatin1Char('/') + name));
    return result;
}

QStringList Folder::namesOf(Kind kind) const
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(NativePath::from(m_path), ec);
    if (ec)
        throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::Path);

    QStringList names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::Path);
        std::error_code typeError; // a dangling link is neither, and is skipped
        const bool wanted = kind == Kind::Folders ? it->is_directory(typeError) : it->is_regular_file(typeError);
        if (wanted)
            names.append(NativePath::toQString(it->path().filename()));
    }
    if (ec)
        throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::Path);
    std::sort(names.begin(), names.end(), &CaseInsensitivePath::listsBefore);
    return names;
}
