#pragma once
// What every program of the game answers alike: --help prints its usage on
// standard output and --version its name and version, either one wherever it
// stands on the command line, and the program then ends with status 0.

#include <cstdio>
#include <cstring>

// The status to end with at once when argv asks for --help or --version;
// -1 when it asks for neither and the program goes on.
inline int Sys_AnswerHelpOrVersion(int argc, const char* const* argv, const char* name,
                                   const char* version, const char* usage) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0)
            return std::fputs(usage, stdout), 0;
        if (std::strcmp(argv[i], "--version") == 0)
            return std::printf("%s %s\n", name, version), 0;
    }
    return -1;
}
