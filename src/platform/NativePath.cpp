#include "platform/NativePath.h"

#include <QFile>

std::filesystem::path NativePath::from(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    // Byte-exact with what Qt uses for file names, so non-ASCII names round-trip.
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString NativePath::toQString(const std::filesystem::path& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}
