// Deflates files on worker threads ahead of the archive writer, a bounded number at a time.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class DeflatePipeline final
{
public:
    struct Result
    {
        std::vector<unsigned char> data; // raw deflate stream
        std::uint64_t size = 0;          // uncompressed
        std::uint32_t crc = 0;
        std::string failure;             // "path: reason" when the file could not be read
    };

    DeflatePipeline(std::vector<std::filesystem::path> files, int level);
    // Stops the workers and waits for them.
    ~DeflatePipeline();
    DeflatePipeline(const DeflatePipeline&) = delete;
    DeflatePipeline& operator=(const DeflatePipeline&) = delete;

    // Waits until file index is deflated. Files are taken in index order.
    const Result& result(std::size_t index);
    // The writer is done with file index; its memory goes and a further file may start.
    void release(std::size_t index);

private:
    void work();
    Result deflate(const std::filesystem::path& path) const;

    std::vector<std::filesystem::path> m_files;
    int m_level;
    std::vector<Result> m_results;
    std::vector<char> m_ready;
    std::vector<char> m_released;
    std::size_t m_nextToStart = 0;
    std::size_t m_firstUnreleased = 0;
    std::size_t m_window;
    bool m_stopping = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::thread> m_workers;
};
