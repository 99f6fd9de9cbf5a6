// Entry point to folders and text files; every path is matched without regard to case.
#pragma once

#include "platform/Folder.h"
#include "platform/TextStream.h"

#include <QString>

class FileSystemObject final
{
public:
    // Throws "Path not found" when the path is not an existing folder.
    Folder GetFolder(const QString& path) const;
    // A new, empty text file. Without overwrite an existing file of that name is a failure.
    TextStream CreateTextFile(const QString& path, bool overwrite, TextStream::Options options = {}) const;
    // An existing text file, open for writing at its end.
    TextStream OpenTextFile(const QString& path, TextStream::Options options = {}) const;
};
