#include "platform/FileSystemObject.h"

#include "platform/CaseInsensitivePath.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr QFileDevice::Permissions ownerOnlyPermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

[[noreturn]] void failOpen(const QFileDevice& device, int savedErrno)
{
    throw PlatformError::fromNumber(ErrorTable::fromFileDevice(device.error(), savedErrno, ErrorTable::Subject::File));
}

} // namespace

Folder FileSystemObject::GetFolder(const QString& path) const
{
    const QString resolved = CaseInsensitivePath::resolve(path);
    std::error_code ec;
    if (!std::filesystem::is_directory(NativePath::from(resolved), ec))
        throw PlatformError::fromNumber(ErrorTable::PathNotFound);
    return Folder(resolved);
}

TextStream FileSystemObject::CreateTextFile(const QString& path, bool overwrite, TextStream::Options options) const
{
    const QString resolved = CaseInsensitivePath::resolve(path);
    if (!overwrite && QFile::exists(resolved))
        throw PlatformError::fromNumber(ErrorTable::FileAlreadyExists);

    if (options.atomic) {
        auto file = std::make_unique<QSaveFile>(resolved);
        errno = 0;
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            failOpen(*file, errno);
#ifdef Q_OS_UNIX
        // The temporary file becomes the record, so it carries the final permissions.
        if (options.ownerOnly && ::fchmod(file->handle(), S_IRUSR | S_IWUSR) != 0)
            failOpen(*file, errno);
#endif
        return TextStream(std::move(file), options);
    }

    auto file = std::make_unique<QFile>(resolved);
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered
        | (overwrite ? QIODevice::Truncate : QIODevice::NewOnly);
    errno = 0;
    const bool opened = options.ownerOnly ? file->open(mode, ownerOnlyPermissions) : file->open(mode);
    if (!opened)
        failOpen(*file, errno);
    return TextStream(std::move(file), options);
}

TextStream FileSystemObject::OpenTextFile(const QString& path, TextStream::Options options) const
{
    auto file = std::make_unique<QFile>(CaseInsensitivePath::resolve(path));
    errno = 0;
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        failOpen(*file, errno);
    return TextStream(std::move(file), options);
}
