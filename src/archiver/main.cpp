// vorsel-zip: packs a folder into a password-protected ZIP archive (WinZip AES-256).
#include "archiver/CommandLine.h"
#include "archiver/SourceList.h"
#include "archiver/ZipWriter.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum ExitStatus { Done = 0, Failed = 1, Usage = 2, BadPassword = 3 };

} // namespace

int main(int argc, char* argv[])
{
    // Past a file size limit a write should fail and be cleaned up, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::optional<CommandLine> line = CommandLine::parse(arguments);
    if (!line) {
        std::cerr << CommandLine::usage() << '\n';
        return Usage;
    }
    if (line->passwordOnInput) {
        std::getline(std::cin, line->password);
        if (!line->password.empty() && line->password.back() == '\r')
            line->password.pop_back();
    }
    if (line->password.empty()) {
        std::cerr << "vorsel-zip: bad password argument: the password is empty\n";
        return BadPassword;
    }

    try {
        const SourceList sources(line->sourceFolder, line->mask, line->recurse);
        bool anyFile = false;
        for (const SourceList::Entry& entry : sources.entries())
            anyFile = anyFile || !entry.folder;
        if (!anyFile)
            throw std::runtime_error(line->sourceFolder + "/" + line->mask + ": no files to pack");
        ZipWriter::write(line->archive, sources, line->password, [](int percent) {
            std::printf("%d%%\n", percent);
            std::fflush(stdout);
        });
    } catch (const std::exception& error) {
        std::cerr << "vorsel-zip: " << error.what() << '\n';
        return Failed;
    }
    return Done;
}
