#pragma once
// Runs the project's programs as separate processes, as a person or a script
// would, and reads the files they write.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// The whole file; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// Runs a shell command line; returns its exit status, or -1 when it did not exit.
inline int RunCommand(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
