// Resolves a path whose names may differ in case from the entries on disk.
#pragma once

#include <QString>

#include <string>

class CaseInsensitivePath final
{
public:
    // Each name is taken as written when such an entry exists, else the entry whose
    // name matches it ignoring case (the first in listing order when several do).
    // Names that match nothing are kept as written, so the result names the entry
    // that would be created. Separators in the result are "/".
    static QString resolve(const QString& path);

    static bool namesEqual(const QString& a, const QString& b);
    // Listing order: by name ignoring case, ties broken by exact name.
    static bool listsBefore(const QString& a, const QString& b);
    // Comparing (sortKey(name), name) pairs gives the listing order; keys compare bytewise.
    static std::string sortKey(const QString& name);
};
