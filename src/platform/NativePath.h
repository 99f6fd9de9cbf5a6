// Conversion between the program's QString paths and the standard library's paths.
#pragma once

#include <QString>

#include <filesystem>

class NativePath final
{
public:
    static std::filesystem::path from(const QString& path);
    static QString toQString(const std::filesystem::path& path);
};
