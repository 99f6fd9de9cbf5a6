// The entries to pack: the files under the pattern's folder that match its mask, and the folders between.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class SourceList final
{
public:
    struct Entry
    {
        std::filesystem::path path; // on disk
        std::string name;           // in the archive, relative to the pattern's folder, "/"-separated
        bool folder = false;
    };

    // Throws std::runtime_error naming the folder when it cannot be read.
    SourceList(const std::filesystem::path& folder, const std::string& mask, bool recurse);

    const std::vector<Entry>& entries() const { return m_entries; }

    // The path with each missing name replaced by the entry that matches it ignoring case.
    static std::filesystem::path resolveIgnoringCase(const std::filesystem::path& path);

private:
    void collect(const std::filesystem::path& folder, const std::string& prefix);
    bool matches(const std::string& name) const;

    std::string m_mask;
    bool m_recurse;
    std::vector<Entry> m_entries;
};
