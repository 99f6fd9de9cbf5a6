// Which entries count as hidden or system entries on this platform.
#pragma once

#include <QString>

class HiddenEntry final
{
public:
    // Windows: the hidden or system attribute. Elsewhere: a name starting with ".".
    static bool isHidden(const QString& path);
};
