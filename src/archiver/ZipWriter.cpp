#include "archiver/ZipWriter.h"

#include "archiver/CompressionProbe.h"
#include "archiver/FileSource.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

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

    for (const SourceList::Entry& entry : sources.entries()) {
        if (entry.folder) {
            if (zip_dir_add(zip.get(), entry.name.c_str(), ZIP_FL_ENC_UTF_8) < 0)
                failOn(entry.path.string(), zip.get());
            continue;
        }
        const bool deflate = CompressionProbe::worthDeflating(entry.path);
        zip_source_t* source = FileSource::create(zip.get(), entry.path);
        if (!source)
            failOn(entry.path.string(), zip.get());
        const zip_int64_t index = zip_file_add(zip.get(), entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            failOn(entry.path.string(), zip.get());
        }
        const auto at = zip_uint64_t(index);
        if (zip_set_file_compression(zip.get(), at, deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) < 0
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
