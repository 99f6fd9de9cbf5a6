// The one table of failure numbers and descriptions, and the mapping from OS errors onto it.
#pragma once

#include <QFileDevice>
#include <QString>

#include <system_error>

class ErrorTable final
{
public:
    enum Number : int {
        InvalidArgument = 5,
        OutOfMemory = 7,
        InternalError = 51,
        FileNotFound = 53,
        DeviceIoError = 57,
        FileAlreadyExists = 58,
        DiskFull = 61,
        TooManyFiles = 67,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
    };

    // Whether a missing entry was wanted as a file (53) or as a folder/path (76).
    enum class Subject { File, Path };

    static QString description(int number);
    static int fromErrorCode(std::error_code code, Subject subject);
    static int fromErrno(int error, Subject subject);
    // For Qt file devices: the saved errno when there is one, else Qt's own error kind.
    static int fromFileDevice(QFileDevice::FileError error, int savedErrno, Subject subject);
};
