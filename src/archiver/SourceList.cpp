#include "archiver/SourceList.h"

#include <fnmatch.h>
#include <strings.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool listsBefore(const std::string& a, const std::string& b)
{
    const int folded = ::strcasecmp(a.c_str(), b.c_str());
    return folded != 0 ? folded < 0 : a < b;
}

[[noreturn]] void failOn(const fs::path& path, const std::error_code& ec)
{
    throw std::runtime_error(path.string() + ": " + ec.message());
}

} // namespace

SourceList::SourceList(const fs::path& folder, const std::string& mask, bool recurse)
    : m_mask(mask == "*.*" ? std::string("*") : mask)
    , m_recurse(recurse)
{
    const fs::path resolved = resolveIgnoringCase(folder);
    std::error_code ec;
    if (!fs::is_directory(resolved, ec))
        failOn(folder, ec ? ec : std::make_error_code(std::errc::not_a_directory));
    collect(resolved, std::string());
}

fs::path SourceList::resolveIgnoringCase(const fs::path& path)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path, ec)))
        return path;
    fs::path current = path.has_root_path() ? path.root_path() : fs::path(".");
    bool onDisk = true;
    for (const fs::path& part : path.relative_path()) {
        fs::path exact = current / part;
        if (onDisk && !fs::exists(fs::symlink_status(exact, ec))) {
            std::string best;
            for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (::strcasecmp(name.c_str(), part.string().c_str()) == 0 && (best.empty() || listsBefore(name, best)))
                    best = name;
            }
            if (!best.empty()) {
                current /= best;
                continue;
            }
            onDisk = false;
        }
        current = exact;
    }
    return current;
}

void SourceList::collect(const fs::path& folder, const std::string& prefix)
{
    std::error_code ec;
    std::vector<fs::directory_entry> children;
    for (fs::directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
        if (ec)
            break;
        children.push_back(*it);
    }
    if (ec)
        failOn(folder, ec);
    std::sort(children.begin(), children.end(), [](const fs::directory_entry& a, const fs::directory_entry& b) {
        return listsBefore(a.path().filename().string(), b.path().filename().string());
    });

    for (const fs::directory_entry& child : children) {
        const std::string name = child.path().filename().string();
        const bool link = child.is_symlink(ec);
        if (!link && child.is_directory(ec)) {
            // Links to folders are not followed: they could lead back up and never end.
            if (m_recurse) {
                m_entries.push_back({child.path(), prefix + name + "/", true});
                collect(child.path(), prefix + name + "/");
            }
            continue;
        }
        if (link && fs::is_directory(child.path(), ec))
            continue;
        if (!matches(name))
            continue;
        const fs::file_status target = fs::status(child.path(), ec);
        if (ec)
            failOn(child.path(), ec); // a dangling link names a file that cannot be read
        if (fs::is_regular_file(target))
            m_entries.push_back({child.path(), prefix + name, false});
        // Devices, pipes and sockets hold no paper and could block a read forever.
    }
}

bool SourceList::matches(const std::string& name) const
{
    return ::fnmatch(m_mask.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
}
