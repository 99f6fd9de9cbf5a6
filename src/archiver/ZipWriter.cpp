#include "archiver/ZipWriter.h"

#include "archiver/CompressionProbe.h"
#include "archiver/DeflatePipeline.h"
#include "archiver/DeflatedSource.h"
#include "archiver/FileSource.h"

#include <zip.h>

#include <sys/stat.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// An archive that is not closed successfully is discarded: nothing is written.
struct ZipDiscarder
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipDiscarder>;

[[noreturn]] void failOn(const std::string& what, zip_t* archive)
{
    throw std::runtime_error(what + ": " + zip_strerror(archive));
}

// Deflate's default: within a few percent of the best ratio at a fraction of its time.
constexpr int deflateLevel = 6;

std::time_t modificationTime(const std::filesystem::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mtime : std::time(nullptr);
}

struct ProgressState
{
    const std::function<void(int)>* report;
    int last = -1;
};

void onProgress(zip_t*, double fraction, void* userData)
{
    auto& state = *static_cast<ProgressState*>(userData);
    const int percent = int(fraction * 100.0);
    if (percent != state.last) {
        state.last = percent;
        (*state.report)(percent);
    }
}

} // namespace

void ZipWriter::write(const std::string& archive, const SourceList& sources, const std::string& password,
                      const std::function<void(int)>& progress)
{
    // Files that shrink are deflated on worker threads ahead of the writer; the others are
    // stored. libzip then only encrypts and writes.
    std::vector<bool> deflated;
    std::vector<std::filesystem::path> toDeflate;
    for (const SourceList::Entry& entry : sources.entries()) {
        const bool deflate = !entry.folder && CompressionProbe::worthDeflating(entry.path);
        deflated.push_back(deflate);
        if (deflate)
            toDeflate.push_back(entry.path);
    }
    // Declared before the archive handle: discarding the archive frees sources that call back into it.
    DeflatePipeline pipeline(std::move(toDeflate), deflateLevel);

    int openError = 0;
    // Truncate: an older archive's entries never mix with the new ones. libzip writes to a
    // temporary file beside the archive and renames it over the archive on a good close.
    ZipHandle zip(zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &openError));
    if (!zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, openError);
        const std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw std::runtime_error(archive + ": " + reason);
    }

    std::size_t nextDeflated = 0;
    for (std::size_t i = 0; i < sources.entries().size(); ++i) {
        const SourceList::Entry& entry = sources.entries()[i];
        if (entry.folder) {
            if (zip_dir_add(zip.get(), entry.name.c_str(), ZIP_FL_ENC_UTF_8) < 0)
                failOn(entry.path.string(), zip.get());
            continue;
        }
        zip_source_t* source = deflated[i] ? DeflatedSource::create(zip.get(), pipeline, nextDeflated++,
                                                                    modificationTime(entry.path))
                                           : FileSource::create(zip.get(), entry.path);
        if (!source)
            failOn(entry.path.string(), zip.get());
        const zip_int64_t index = zip_file_add(zip.get(), entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            failOn(entry.path.string(), zip.get());
        }
        const auto at = zip_uint64_t(index);
        if (zip_set_file_compression(zip.get(), at, deflated[i] ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) < 0
            || zip_file_set_encryption(zip.get(), at, ZIP_EM_AES_256, password.c_str()) < 0)
            failOn(entry.path.string(), zip.get());
    }

    ProgressState state{&progress};
    zip_register_progress_callback_with_state(zip.get(), 0.01, &onProgress, nullptr, &state);
    if (zip_close(zip.get()) < 0) {
        const std::string reason = FileSource::firstFailure().empty()
            ? archive + ": " + zip_strerror(zip.get())
            : FileSource::firstFailure();
        throw std::runtime_error(reason); // the handle's deleter discards what was written
    }
    zip.release(); // closed: libzip has freed it
    if (state.last != 100)
        progress(100);
}
