#pragma once
// Runs the project's programs as separate processes and reads the files they
// write, with command lines for the POSIX shell, or cmd.exe on Windows.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#endif

// The whole file; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// A program's text output, with Windows' line ends read as '\n'.
inline std::string ReadOutput(const std::string& path) {
    std::string text = ReadFile(path);
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

// A path as one word of a command line. For cmd.exe a Unix absolute path (a
// test cross-built and run under Wine) is named through Wine's root drive.
inline std::string Quoted(const std::string& path) {
#ifdef _WIN32
    std::string word = path.rfind('/', 0) == 0 ? "Z:" + path : path;
    std::replace(word.begin(), word.end(), '/', '\\');
    return "\"" + word + "\"";
#else
    return "'" + path + "'";
#endif
}

// The start of a command line whose rest runs in `folder`.
inline std::string InFolder(const std::string& folder) {
#ifdef _WIN32
    return "cd /d " + Quoted(folder) + " && ";
#else
    return "cd " + Quoted(folder) + " && ";
#endif
}

// The end of a command whose program reads no input.
#ifdef _WIN32
constexpr const char* kNoInput = " <NUL";
#else
constexpr const char* kNoInput = " </dev/null";
#endif

// The start of a command line whose rest sees the variable set.
inline std::string WithVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
    return "set \"" + name + "=" + value + "\" && ";
#else
    return "export " + name + "=" + Quoted(value) + " && ";
#endif
}

// Runs a command line; returns its exit status, or -1 when it did not exit.
inline int RunCommand(const std::string& command) {
#ifdef _WIN32
    // cmd.exe drops the first and last quote of a line that starts with one.
    return std::system(("\"" + command + "\"").c_str());
#else
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}
