// A libzip source reading one file, which names the file when it cannot be read.
#pragma once

#include <zip.h>

#include <filesystem>
#include <string>

class FileSource final
{
public:
    // The first failure of any source, as "path: reason"; empty while none has failed.
    static const std::string& firstFailure();
    // Keeps the first failure only: later ones are usually its consequences.
    static void noteFailure(const std::string& failure);

    // A new source owned by libzip from here on; null when libzip could not make one.
    static zip_source_t* create(zip_t* archive, const std::filesystem::path& path);

private:
    static zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command);
};
