#include "platform/CaseInsensitivePath.h"

#include "platform/NativePath.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

bool entryExists(const QString& path)
{
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(NativePath::from(path), ec));
}

// The name in folder that matches wanted ignoring case, or an empty string.
QString matchIn(const QString& folder, const QString& wanted)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(NativePath::from(folder.isEmpty() ? QStringLiteral("/") : folder), ec);
    if (ec)
        return {};
    QString best;
    for (const auto& entry : it) {
        const QString name = NativePath::toQString(entry.path().filename());
        if (CaseInsensitivePath::namesEqual(name, wanted)
            && (best.isEmpty() || CaseInsensitivePath::listsBefore(name, best)))
            best = name;
    }
    return best;
}

} // namespace

QString CaseInsensitivePath::resolve(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    // The common case costs one lookup.
    if (entryExists(clean))
        return clean;

    const QStringList parts = clean.split(QLatin1Char('/'));
    QString current = parts.first(); // "" for an absolute POSIX path, "C:" or a relative name otherwise
    bool onDisk = current.isEmpty() || entryExists(current);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString& name = parts.at(i);
        const QString exact = current + QLatin1Char('/') + name;
        if (onDisk && !entryExists(exact)) {
            const QString match = matchIn(current, name);
            if (!match.isEmpty()) {
                current += QLatin1Char('/') + match;
                continue;
            }
            onDisk = false;
        }
        current = exact;
    }
    return current;
}

bool CaseInsensitivePath::namesEqual(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool CaseInsensitivePath::listsBefore(const QString& a, const QString& b)
{
    const std::string foldedA = sortKey(a);
    const std::string foldedB = sortKey(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

std::string CaseInsensitivePath::sortKey(const QString& name)
{
    // UTF-8 orders bytewise as the code points do, and a byte compare is the cheapest there is.
    std::string key;
    key.reserve(std::size_t(name.size()));
    for (const QChar c : name) {
        if (c.unicode() >= 0x80)
            return name.toCaseFolded().toStdString();
        key.push_back(char(c.unicode() >= 'A' && c.unicode() <= 'Z' ? c.unicode() + ('a' - 'A') : c.unicode()));
    }
    return key;
}
