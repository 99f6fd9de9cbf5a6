// What the archiver's libzip sources share: making one around a state, and the commands they serve.
#pragma once

#include <zip.h>

class SourceCallback final
{
public:
    // A libzip source calling callback with state, which needs a zip_error_t member named
    // error. libzip owns the state from here on (FREE deletes it); on failure it is deleted here.
    template <typename State>
    static zip_source_t* create(zip_t* archive, zip_source_callback callback, State* state)
    {
        zip_error_init(&state->error);
        zip_source_t* source = zip_source_function(archive, callback, state);
        if (!source) {
            zip_error_fini(&state->error);
            delete state;
        }
        return source;
    }

    // Every source here opens, reads, closes, answers stat and error, and frees its state.
    static zip_int64_t supportedCommands()
    {
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    }
};
