#include "platform/Runtime.h"

#include "platform/CaseInsensitivePath.h"
#include "platform/Constants.h"
#include "platform/HiddenEntry.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool matchesMask(const fs::path& path, int attributes)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec)
        return false;
    return fs::is_regular_file(status) || ((attributes & FILE_ATTRIBUTE_DIRECTORY) && fs::is_directory(status));
}

QString folderOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')));
}

QString nameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// Removes a temporary file unless it was handed on.
class TemporaryPath final
{
public:
    explicit TemporaryPath(fs::path path) : m_path(std::move(path)) {}
    ~TemporaryPath()
    {
        if (!m_path.empty()) {
            std::error_code ignored;
            fs::remove(m_path, ignored);
        }
    }
    TemporaryPath(const TemporaryPath&) = delete;
    TemporaryPath& operator=(const TemporaryPath&) = delete;
    const fs::path& path() const { return m_path; }
    void release() { m_path.clear(); }

private:
    fs::path m_path;
};

} // namespace

QString Runtime::applicationFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString Runtime::dir(const QString& pattern, int attributes)
{
    const QString clean = QDir::fromNativeSeparators(pattern);
    const QString name = nameOf(clean);
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?'))) {
        const QString resolved = CaseInsensitivePath::resolve(clean);
        if (HiddenEntry::isHidden(resolved) || !matchesMask(NativePath::from(resolved), attributes))
            return {};
        return nameOf(resolved);
    }

    const QString folder = CaseInsensitivePath::resolve(folderOf(clean));
    const QString wildcard = name == QLatin1String("*.*") ? QStringLiteral("*") : name;
    const QRegularExpression matcher(
        QRegularExpression::wildcardToRegularExpression(wildcard),
        QRegularExpression::CaseInsensitiveOption);

    std::error_code ec;
    fs::directory_iterator it(NativePath::from(folder), ec);
    if (ec)
        return {};
    QString first;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        const QString entry = NativePath::toQString(it->path().filename());
        if (!first.isEmpty() && !CaseInsensitivePath::listsBefore(entry, first))
            continue;
        if (matcher.match(entry).hasMatch() && !HiddenEntry::isHidden(entry) && matchesMask(it->path(), attributes))
            first = entry;
    }
    return first;
}

void Runtime::mkDir(const QString& path)
{
    std::error_code ec;
    if (!fs::create_directory(NativePath::from(CaseInsensitivePath::resolve(path)), ec)) {
        // Something of that name is already there, a folder or not.
        if (!ec || ec == std::errc::file_exists)
            throw PlatformError::fromNumber(ErrorTable::PathFileAccessError);
        throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::Path);
    }
}

void Runtime::kill(const QString& path)
{
    const fs::path target = NativePath::from(CaseInsensitivePath::resolve(path));
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (ec || !fs::exists(status))
        throw PlatformError::fromNumber(ErrorTable::FileNotFound);
    if (fs::is_directory(status))
        throw PlatformError::fromNumber(ErrorTable::PathFileAccessError);
    if (!fs::remove(target, ec) || ec)
        throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::File);
}

void Runtime::fileCopy(const QString& source, const QString& destination)
{
    const fs::path from = NativePath::from(CaseInsensitivePath::resolve(source));
    // The caller chooses the destination name; only its folder is looked up ignoring case,
    // which keeps a run of copies into one folder from rescanning it for every copy.
    const QString folder = CaseInsensitivePath::resolve(folderOf(QDir::fromNativeSeparators(destination)));
    const fs::path to = NativePath::from(folder + QLatin1Char('/') + nameOf(destination));

    std::error_code ec;
    if (!fs::is_regular_file(from, ec))
        throw PlatformError::fromNumber(ErrorTable::FileNotFound);
    if (!fs::is_directory(NativePath::from(folder), ec))
        throw PlatformError::fromNumber(ErrorTable::PathNotFound);

    for (int attempt = 0;; ++attempt) {
        // Hidden, so no probe or listing of the folder ever takes it for a paper.
        const QString tempName = QStringLiteral("%1/.vorsel-%2.tmp")
                                     .arg(folder)
                                     .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        TemporaryPath temp(NativePath::from(tempName));
        if (!fs::copy_file(from, temp.path(), fs::copy_options::none, ec)) {
            if (ec == std::errc::file_exists && attempt < 8) {
                temp.release(); // not ours
                continue;
            }
            throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::File);
        }
        fs::rename(temp.path(), to, ec);
        if (ec)
            throw PlatformError::fromErrorCode(ec, ErrorTable::Subject::File);
        temp.release();
        return;
    }
}
