// A libzip source that hands over a file already deflated by the pipeline, for libzip to encrypt.
#pragma once

#include "archiver/DeflatePipeline.h"

#include <zip.h>

#include <ctime>

class DeflatedSource final
{
public:
    // A new source owned by libzip from here on; null when libzip could not make one.
    static zip_source_t* create(zip_t* archive, DeflatePipeline& pipeline, std::size_t index, std::time_t mtime);

private:
    static zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command);
};
