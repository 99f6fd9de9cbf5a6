#include "archiver/DeflatePipeline.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

DeflatePipeline::DeflatePipeline(std::vector<std::filesystem::path> files, int level)
    : m_files(std::move(files))
    , m_level(level)
    , m_results(m_files.size())
    , m_ready(m_files.size(), 0)
    , m_released(m_files.size(), 0)
{
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    // Enough files in flight to keep every worker busy, few enough to bound the memory.
    m_window = 2 * threads + 2;
    for (unsigned i = 0; i < std::min<std::size_t>(threads, m_files.size()); ++i)
        m_workers.emplace_back(&DeflatePipeline::work, this);
}

DeflatePipeline::~DeflatePipeline()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

const DeflatePipeline::Result& DeflatePipeline::result(std::size_t index)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_ready[index] != 0; });
    return m_results[index];
}

void DeflatePipeline::release(std::size_t index)
{
    {
        const std::lock_guard lock(m_mutex);
        m_released[index] = 1;
        m_results[index] = Result();
        while (m_firstUnreleased < m_files.size() && m_released[m_firstUnreleased])
            ++m_firstUnreleased;
    }
    m_changed.notify_all();
}

void DeflatePipeline::work()
{
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] {
                return m_stopping || m_nextToStart >= m_files.size() || m_nextToStart < m_firstUnreleased + m_window;
            });
            if (m_stopping || m_nextToStart >= m_files.size())
                return;
            index = m_nextToStart++;
        }
        Result done = deflate(m_files[index]);
        {
            const std::lock_guard lock(m_mutex);
            m_results[index] = std::move(done);
            m_ready[index] = 1;
        }
        m_changed.notify_all();
    }
}

DeflatePipeline::Result DeflatePipeline::deflate(const std::filesystem::path& path) const
{
    Result result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.failure = path.string() + ": " + std::strerror(errno ? errno : EIO);
        return result;
    }
    z_stream stream{};
    // Raw deflate (no zlib header): a ZIP entry holds the bare stream.
    if (deflateInit2(&stream, m_level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        result.failure = path.string() + ": cannot start compressing";
        return result;
    }
    std::vector<unsigned char> input(256 * 1024);
    uLong crc = crc32(0L, Z_NULL, 0);
    int flush = Z_NO_FLUSH;
    do {
        in.read(reinterpret_cast<char*>(input.data()), std::streamsize(input.size()));
        const auto got = static_cast<uInt>(in.gcount());
        if (in.bad()) {
            result.failure = path.string() + ": " + std::strerror(errno ? errno : EIO);
            break;
        }
        crc = crc32(crc, input.data(), got);
        result.size += got;
        flush = in.eof() ? Z_FINISH : Z_NO_FLUSH;
        stream.next_in = input.data();
        stream.avail_in = got;
        do {
            const std::size_t used = result.data.size();
            const std::size_t room = std::max<std::size_t>(64 * 1024, deflateBound(&stream, stream.avail_in));
            result.data.resize(used + room);
            stream.next_out = result.data.data() + used;
            stream.avail_out = static_cast<uInt>(room);
            ::deflate(&stream, flush);
            result.data.resize(used + room - stream.avail_out);
        } while (stream.avail_out == 0 || (flush == Z_FINISH && stream.avail_in > 0));
    } while (flush != Z_FINISH);
    deflateEnd(&stream);
    result.crc = std::uint32_t(crc);
    if (!result.failure.empty())
        result.data.clear();
    return result;
}
