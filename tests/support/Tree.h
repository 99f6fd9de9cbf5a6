// Builds small folder trees for tests.
#pragma once

#include <QByteArray>
#include <QString>

class Tree final
{
public:
    // Makes the file (and any folders above it) with the given content.
    static void file(const QString& root, const QString& relativePath, const QByteArray& content = "paper");
    static void folder(const QString& root, const QString& relativePath);
    static QByteArray read(const QString& path);
    // Names directly in a folder, hidden ones included, sorted.
    static QStringList names(const QString& folder);
    // The POSIX permission bits, as in 0600.
    static int mode(const QString& path);
};
