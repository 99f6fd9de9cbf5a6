#include "archiver/CommandLine.h"

std::optional<CommandLine> CommandLine::parse(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments.front() != "a")
        return std::nullopt;

    CommandLine line;
    bool passwordGiven = false;
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() > 1 && argument[0] == '-') {
            if (argument == "-ep1") {
                // Names are always stored relative to the pattern's folder.
            } else if (argument == "-r") {
                line.recurse = true;
            } else if (argument.rfind("-p", 0) == 0 && !passwordGiven) {
                passwordGiven = true;
                line.passwordOnInput = argument.size() == 2;
                line.password = argument.substr(2);
            } else {
                return std::nullopt;
            }
        } else {
            paths.push_back(argument);
        }
    }
    if (!passwordGiven || paths.size() != 2 || paths[0].empty())
        return std::nullopt;

    line.archive = paths[0];
    const std::string& pattern = paths[1];
    const std::size_t slash = pattern.find_last_of('/');
    line.sourceFolder = slash == std::string::npos ? std::string(".") : pattern.substr(0, slash == 0 ? 1 : slash);
    line.mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    if (line.mask.empty())
        return std::nullopt;
    return line;
}

const char* CommandLine::usage()
{
    return "usage: vorsel-zip a [-ep1] [-r] -p|-pPASSWORD ARCHIVE FOLDER/MASK";
}
