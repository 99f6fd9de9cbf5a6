// Tells whether deflating a file is worth the time, from a sample of its start.
#pragma once

#include <filesystem>

class CompressionProbe final
{
public:
    // False for data that is already compressed (PDF streams, images, archives).
    // Throws std::runtime_error naming the file when it cannot be read.
    static bool worthDeflating(const std::filesystem::path& path);
};
