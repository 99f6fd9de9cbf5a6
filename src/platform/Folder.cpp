#include "platform/Folder.h"

#include "platform/CaseInsensitivePath.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

Folder::Folder(QString path)
    : m_path(std::move(path))
{
}

QList<File> Folder::Files() const
{
    QList<File> result;
    for (const QString& name : namesOf(Kind::Files))
        result.append(File(m_path + QLatin1Char('/') + name));
    return result;
}

QStringList Folder::SubFolderNames() const
{
    return namesOf(Kind::Folders);
}

QStringList Folder::namesOf(Kind kind) const
{
    QStringList found;
    std::vector<std::pair<std::string, qsizetype>> keyed; // (sort key, index in found)
    auto add = [&](QString name) {
        keyed.emplace_back(CaseInsensitivePath::sortKey(name), found.size());
        found.append(std::move(name));
    };

#ifdef Q_OS_UNIX
    // readdir gives each entry's type without a stat call, and no path object per entry.
    const QByteArray native = QFile::encodeName(m_path);
    errno = 0;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(native.constData()), &::closedir);
    if (!dir)
        throw PlatformError::fromErrorCode(std::error_code(errno, std::generic_category()), ErrorTable::Subject::Path);
    const unsigned char wantedType = kind == Kind::Folders ? DT_DIR : DT_REG;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                throw PlatformError::fromErrorCode(std::error_code(errno, std::generic_category()),
                                                   ErrorTable::Subject::Path);
            break;
        }
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            // Links count as what they point to; a dangling link is neither, and is skipped.
            struct stat info {};
            const QByteArray full = native + '/' + name;
            type = ::stat(full.constData(), &info) != 0 ? DT_UNKNOWN
                : S_ISDIR(info.st_mode)                 ? DT_DIR
                : S_ISREG(info.st_mode)                 ? DT_REG
                                                        : DT_UNKNOWN;
        }
        if (type == wantedType)
            add(QFile::decodeName(name));
    }
#else
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(NativePath::from(m_path), ec);
    if (ec)
        throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::Path);
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::Path);
        std::error_code typeError; // a dangling link is neither, and is skipped
        if (kind == Kind::Folders ? it->is_directory(typeError) : it->is_regular_file(typeError))
            add(NativePath::toQString(it->path().filename()));
    }
    if (ec)
        throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::Path);
#endif

    // Keys are folded once, not in every comparison: folders hold thousands of entries.
    std::sort(keyed.begin(), keyed.end(), [&found](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : found.at(a.second) < found.at(b.second);
    });
    QStringList names;
    names.reserve(found.size());
    for (const auto& entry : keyed)
        names.append(std::move(found[entry.second]));
    return names;
}
