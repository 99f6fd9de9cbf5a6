// The archiver's command line: a [-ep1] [-p | -pPASSWORD] [-r] ARCHIVE FOLDER/MASK, switches anywhere after "a".
#pragma once

#include <optional>
#include <string>
#include <vector>

class CommandLine final
{
public:
    std::string archive;
    std::string sourceFolder; // the pattern's folder, as written
    std::string mask;         // the pattern's last name; "*.*" means every name
    bool recurse = false;
    bool passwordOnInput = false; // "-p" alone: the password is the first line of standard input
    std::string password;

    // Empty when the arguments do not follow the grammar.
    static std::optional<CommandLine> parse(const std::vector<std::string>& arguments);
    static const char* usage();
};
