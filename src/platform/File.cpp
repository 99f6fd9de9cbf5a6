#include "platform/File.h"

#include "platform/HiddenEntry.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"

#include <filesystem>
#include <utility>

File::File(QString path)
    : m_path(std::move(path))
{
}

QString File::Name() const
{
    return m_path.mid(m_path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool File::isOrdinary() const
{
    return !HiddenEntry::isHidden(m_path);
}

void File::Delete(bool force) const
{
    namespace fs = std::filesystem;
    const fs::path path = NativePath::from(m_path);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec)
        throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::File);
    // POSIX deletes read-only files anyway; elsewhere the write bit has to be set first.
    const bool readOnly = (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    if (readOnly) {
        if (!force)
            throw PlatformError::fromNumber(ErrorTable::PermissionDenied);
#ifdef Q_OS_WIN
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
#endif
    }
    if (!fs::remove(path, ec) || ec)
        throw PlatformError::fromErrorCode(ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory),
                                           ErrorTable::Subject::File);
}
