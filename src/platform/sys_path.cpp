#include "platform/sys_path.h"

#include "platform/sys_regular_file.h"

#ifdef _WIN32
#include <filesystem>
#else
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool HasParentComponent(const std::string& path) {
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        if (path.compare(start, end - start, "..") == 0 && end - start == 2)
            return true;
        start = end + 1;
    }
    return false;
}

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':';
}

#ifdef _WIN32
// Windows has no pipes or devices behind plain file names: the type is
// checked before the file is opened.
bool ReadRegularFile(const std::string& hostPath, size_t maxBytes, std::vector<char>* bytes,
                     std::string* why) {
    std::error_code code;
    const auto status = std::filesystem::status(hostPath, code);
    *why = !std::filesystem::exists(status) ? "not found" : "is not a regular file";
    if (!std::filesystem::is_regular_file(status))
        return false;
    const auto size = std::filesystem::file_size(hostPath, code);
    if (code || size > maxBytes) {
        *why = code ? "cannot be read" : "is larger than " + std::to_string(maxBytes) + " bytes";
        return false;
    }
    FILE* file = std::fopen(hostPath.c_str(), "rb");
    bytes->resize(static_cast<size_t>(size));
    bool ok = file && std::fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
    if (file)
        std::fclose(file);
    *why = ok ? "" : "cannot be read";
    return ok;
}
#else
// Reads until the file is whole; false when it ends early or fails.
bool ReadAll(int fd, std::vector<char>* bytes) {
    size_t done = 0;
    while (done < bytes->size()) {
        ssize_t got = read(fd, bytes->data() + done, bytes->size() - done);
        if (got <= 0)
            return false;
        done += static_cast<size_t>(got);
    }
    return true;
}

// Checked to be a regular file of an acceptable size before a byte is read.
bool ReadRegularFile(const std::string& hostPath, size_t maxBytes, std::vector<char>* bytes,
                     std::string* why) {
    size_t size = 0;
    int fd = Sys_OpenRegularFile(hostPath, &size, why);
    if (fd < 0)
        return false;
    bool ok = size <= maxBytes;
    *why = ok ? "" : "is larger than " + std::to_string(maxBytes) + " bytes";
    if (ok) {
        bytes->resize(size);
        ok = ReadAll(fd, bytes);
        *why = ok ? "" : "cannot be read";
    }
    close(fd);
    return ok;
}
#endif

}  // namespace

#ifndef _WIN32
int Sys_OpenRegularFile(const std::string& hostPath, size_t* size, std::string* why) {
    int fd = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    const bool missing = fd < 0 && (errno == ENOENT || errno == ENOTDIR);
    *why = fd >= 0 ? "" : missing ? "not found" : "cannot be opened";
    struct stat info;
    if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        *why = "is not a regular file";
        close(fd);
        return -1;
    }
    *size = fd < 0 ? 0 : static_cast<size_t>(info.st_size);
    return fd;
}
#endif

std::string Sys_HostPath(const std::string& dataPath) {
#ifdef _WIN32
    return dataPath;
#else
    std::string host = dataPath;
    for (char& c : host)
        if (c == '\\')
            c = '/';
    return host;
#endif
}

bool Sys_DataPathConfined(const std::string& dataPath) {
    return !dataPath.empty() && !IsSeparator(dataPath[0]) && !HasDriveLetter(dataPath) &&
           !HasParentComponent(dataPath);
}

bool Sys_ReadDataFile(const std::string& dataPath, size_t maxBytes, std::vector<char>* bytes,
                      std::string* why) {
    bytes->clear();
    if (Sys_DataPathConfined(dataPath))
        return ReadRegularFile(Sys_HostPath(dataPath), maxBytes, bytes, why);
    *why = "not found";
    return false;
}

bool Sys_ReadHostFile(const std::string& hostPath, size_t maxBytes, std::vector<char>* bytes,
                      std::string* why) {
    bytes->clear();
    return ReadRegularFile(hostPath, maxBytes, bytes, why);
}

void Sys_ReportFileProblem(const std::string& dataPath, const std::string& why) {
    std::fprintf(stderr, "%s: %s\n", dataPath.c_str(), why.c_str());
}

FILE* Sys_OpenFile(const std::string& path, const char* mode) {
    return std::fopen(Sys_HostPath(path).c_str(), mode);
}
