#include "archiver/DeflatedSource.h"

#include "archiver/FileSource.h"
#include "archiver/SourceCallback.h"

#include <algorithm>
#include <cstring>

namespace {

struct State
{
    DeflatePipeline* pipeline;
    std::size_t index;
    std::time_t mtime;
    std::size_t position = 0;
    zip_error_t error{};
    // Kept past the release of the data, in case libzip asks again.
    bool released = false;
    zip_uint64_t size = 0;
    zip_uint64_t compressedSize = 0;
    zip_uint32_t crc = 0;
};

// The pipeline's result, or null after noting why the file could not be read.
const DeflatePipeline::Result* resultOf(State& state)
{
    if (state.released) {
        zip_error_set(&state.error, ZIP_ER_INTERNAL, 0);
        return nullptr;
    }
    const DeflatePipeline::Result& result = state.pipeline->result(state.index);
    if (result.failure.empty())
        return &result;
    FileSource::noteFailure(result.failure);
    zip_error_set(&state.error, ZIP_ER_READ, EIO);
    return nullptr;
}

} // namespace

zip_source_t* DeflatedSource::create(zip_t* archive, DeflatePipeline& pipeline, std::size_t index, std::time_t mtime)
{
    return SourceCallback::create(archive, &DeflatedSource::callback, new State{&pipeline, index, mtime});
}

zip_int64_t DeflatedSource::callback(void* userData, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    State& state = *static_cast<State*>(userData);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        state.position = 0;
        return resultOf(state) ? 0 : -1;
    case ZIP_SOURCE_READ: {
        const DeflatePipeline::Result* result = resultOf(state);
        if (!result)
            return -1;
        const std::size_t count = std::min<std::size_t>(length, result->data.size() - state.position);
        std::memcpy(data, result->data.data() + state.position, count);
        state.position += count;
        return zip_int64_t(count);
    }
    case ZIP_SOURCE_CLOSE:
        // libzip frees its sources only when the whole archive is done; the data goes now,
        // so the pipeline can move on to further files.
        if (!state.released) {
            state.released = true;
            state.pipeline->release(state.index);
        }
        return 0;
    case ZIP_SOURCE_STAT: {
        if (!state.released) {
            const DeflatePipeline::Result* result = resultOf(state);
            if (!result)
                return -1;
            state.size = result->size;
            state.compressedSize = result->data.size();
            state.crc = result->crc;
        }
        // Method, sizes and CRC tell libzip the data is deflated already: it encrypts it as it is.
        auto* zipStat = static_cast<zip_stat_t*>(data);
        zip_stat_init(zipStat);
        zipStat->size = state.size;
        zipStat->comp_size = state.compressedSize;
        zipStat->crc = state.crc;
        zipStat->comp_method = ZIP_CM_DEFLATE;
        zipStat->encryption_method = ZIP_EM_NONE;
        zipStat->mtime = state.mtime;
        zipStat->valid |= ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC | ZIP_STAT_COMP_METHOD
            | ZIP_STAT_ENCRYPTION_METHOD | ZIP_STAT_MTIME;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&state.error, data, length);
    case ZIP_SOURCE_FREE:
        if (!state.released)
            state.pipeline->release(state.index);
        zip_error_fini(&state.error);
        delete &state;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return SourceCallback::supportedCommands();
    default:
        zip_error_set(&state.error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}
