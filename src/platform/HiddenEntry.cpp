#include "platform/HiddenEntry.h"

#include <QFileInfo>

bool HiddenEntry::isHidden(const QString& path)
{
#ifdef Q_OS_WIN
    return QFileInfo(path).isHidden();
#else
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.mid(slash + 1).startsWith(QLatin1Char('.'));
#endif
}
