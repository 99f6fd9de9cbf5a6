#include "archiver/CompressionProbe.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

bool CompressionProbe::worthDeflating(const std::filesystem::path& path)
{
    constexpr std::size_t sampleSize = 64 * 1024;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path.string() + ": " + std::strerror(errno ? errno : EIO));
    std::vector<unsigned char> sample(sampleSize);
    in.read(reinterpret_cast<char*>(sample.data()), std::streamsize(sample.size()));
    const auto got = static_cast<uLong>(in.gcount());
    if (in.bad())
        throw std::runtime_error(path.string() + ": " + std::strerror(errno ? errno : EIO));
    if (got < 256)
        return true; // too small to judge and too small to matter

    uLongf packed = compressBound(got);
    std::vector<unsigned char> out(packed);
    if (compress2(out.data(), &packed, sample.data(), got, 1) != Z_OK)
        return true;
    // Deflate is kept only where it saves at least a twentieth.
    return packed < got - got / 20;
}
