// Writes an AES-256 encrypted ZIP archive, replacing the archive only once it is complete.
#pragma once

#include "archiver/SourceList.h"

#include <functional>
#include <string>

class ZipWriter final
{
public:
    // Throws std::runtime_error "path: reason" on failure; the archive path is then left
    // as it was and no temporary file remains. progress receives whole percents.
    static void write(const std::string& archive, const SourceList& sources, const std::string& password,
                      const std::function<void(int)>& progress);
};
