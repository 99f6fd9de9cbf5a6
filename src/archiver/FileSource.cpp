#include "archiver/FileSource.h"
#include "archiver/SourceCallback.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string g_firstFailure;

struct State
{
    std::filesystem::path path;
    int fd = -1;
    zip_error_t error;
};

zip_int64_t failWith(State& state, int zipError, int systemError)
{
    FileSource::noteFailure(state.path.string() + ": " + std::strerror(systemError));
    zip_error_set(&state.error, zipError, systemError);
    return -1;
}

} // namespace

const std::string& FileSource::firstFailure()
{
    return g_firstFailure;
}

void FileSource::noteFailure(const std::string& failure)
{
    if (g_firstFailure.empty())
        g_firstFailure = failure;
}

zip_source_t* FileSource::create(zip_t* archive, const std::filesystem::path& path)
{
    return SourceCallback::create(archive, &FileSource::callback, new State{path, -1, {}});
}

zip_int64_t FileSource::callback(void* userData, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    State& state = *static_cast<State*>(userData);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        state.fd = ::open(state.path.c_str(), O_RDONLY | O_CLOEXEC);
        return state.fd < 0 ? failWith(state, ZIP_ER_OPEN, errno) : 0;
    case ZIP_SOURCE_READ: {
        for (;;) {
            const ssize_t got = ::read(state.fd, data, length);
            if (got >= 0)
                return got;
            if (errno != EINTR)
                return failWith(state, ZIP_ER_READ, errno);
        }
    }
    case ZIP_SOURCE_CLOSE:
        if (state.fd >= 0)
            ::close(state.fd);
        state.fd = -1;
        return 0;
    case ZIP_SOURCE_STAT: {
        struct stat info {};
        if (::stat(state.path.c_str(), &info) != 0)
            return failWith(state, ZIP_ER_READ, errno);
        auto* zipStat = static_cast<zip_stat_t*>(data);
        zip_stat_init(zipStat);
        zipStat->size = zip_uint64_t(info.st_size);
        zipStat->mtime = info.st_mtime;
        zipStat->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&state.error, data, length);
    case ZIP_SOURCE_FREE:
        if (state.fd >= 0)
            ::close(state.fd);
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
