// The runtime's own file services: application folder, folder probe, make folder, delete, copy.
#pragma once

#include <QString>

class Runtime final
{
public:
    // The folder holding the running program, without a trailing separator.
    static QString applicationFolder();

    // The name of the first matching entry in listing order, or empty text. The last name
    // may hold "*" and "?" ("*.*" matches every name). Hidden and system entries never
    // match; mask 0 sees ordinary files, mask 16 folders too.
    static QString dir(const QString& pattern, int attributes);
    // Throws when the folder cannot be made, also when something of that name exists.
    static void mkDir(const QString& path);
    static void kill(const QString& path);
    // Copies through a temporary file in the destination's folder, so the destination
    // name only ever holds a complete copy; an existing destination file is replaced.
    // The destination's folder is matched ignoring case, its name is taken as written.
    static void fileCopy(const QString& source, const QString& destination);
};
