#include "platform/ErrorTable.h"

#include <cerrno>

QString ErrorTable::description(int number)
{
    switch (number) {
    case InvalidArgument: return QStringLiteral("Invalid procedure call or argument");
    case OutOfMemory: return QStringLiteral("Out of memory");
    case InternalError: return QStringLiteral("Internal error");
    case FileNotFound: return QStringLiteral("File not found");
    case DeviceIoError: return QStringLiteral("Device I/O error");
    case FileAlreadyExists: return QStringLiteral("File already exists");
    case DiskFull: return QStringLiteral("Disk full");
    case TooManyFiles: return QStringLiteral("Too many files");
    case PermissionDenied: return QStringLiteral("Permission denied");
    case PathFileAccessError: return QStringLiteral("Path/File access error");
    case PathNotFound: return QStringLiteral("Path not found");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

int ErrorTable::fromErrorCode(std::error_code code, Subject subject)
{
    if (code == std::errc::no_such_file_or_directory)
        return subject == Subject::File ? FileNotFound : PathNotFound;
    if (code == std::errc::not_a_directory || code == std::errc::filename_too_long)
        return PathNotFound;
    if (code == std::errc::file_exists)
        return FileAlreadyExists;
    if (code == std::errc::no_space_on_device || code == std::errc::file_too_large)
        return DiskFull;
#ifdef EDQUOT
    if (code.value() == EDQUOT && code.category() == std::generic_category())
        return DiskFull;
#endif
    if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted
        || code == std::errc::read_only_file_system)
        return PermissionDenied;
    if (code == std::errc::too_many_files_open || code == std::errc::too_many_files_open_in_system)
        return TooManyFiles;
    if (code == std::errc::io_error)
        return DeviceIoError;
    if (code == std::errc::invalid_argument)
        return InvalidArgument;
    return PathFileAccessError;
}

int ErrorTable::fromErrno(int error, Subject subject)
{
    return fromErrorCode(std::error_code(error, std::generic_category()), subject);
}

int ErrorTable::fromFileDevice(QFileDevice::FileError error, int savedErrno, Subject subject)
{
    if (savedErrno != 0)
        return fromErrno(savedErrno, subject);
    switch (error) {
    case QFileDevice::ResourceError: return DiskFull;
    case QFileDevice::PermissionsError: return PermissionDenied;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError: return DeviceIoError;
    default: return PathFileAccessError;
    }
}
