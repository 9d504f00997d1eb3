#include "platform/sys_replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

bool MakeParentFolder(const fs::path& file, std::string* why) {
    std::error_code code;
    if (!file.has_parent_path() || fs::create_directories(file.parent_path(), code) || !code)
        return true;
    *why = "cannot make its folder (" + code.message() + ")";
    return false;
}

#ifdef _WIN32
// Windows cannot rename over a file still open: the copy is closed first.
bool WriteTemporary(const fs::path& temporary, const std::string& bytes) {
    FILE* file = _wfopen(temporary.c_str(), L"wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
              std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
    return std::fclose(file) == 0 && ok;
}

// MOVEFILE_WRITE_THROUGH returns once the move itself is on the disk.
bool MoveOver(const fs::path& from, const fs::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
#else
// Sets why from errno; always false.
bool Failed(const char* what, std::string* why) {
    *why = std::string(what) + " (" + std::strerror(errno) + ")";
    return false;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

// Only what fsync reports is known to be on the disk; close can still report
// a write that failed late (on a network file system).
bool WriteAndClose(int fd, const std::string& bytes, std::string* why) {
    if (WriteAll(fd, bytes) && fsync(fd) == 0)
        return close(fd) == 0 || Failed("cannot be written", why);
    Failed("cannot be written", why);
    close(fd);
    return false;
}

// The rename is on the disk only once the folder that holds the name is.
void FlushFolder(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}
#endif

}  // namespace

#ifdef _WIN32
bool Sys_ReplaceFile(const std::string& hostPath, const std::string& bytes, std::string* why) {
    const fs::path target(hostPath), temporary(hostPath + ".new");
    if (!MakeParentFolder(target, why))
        return false;
    if (WriteTemporary(temporary, bytes) && MoveOver(temporary, target))
        return true;
    _wremove(temporary.c_str());
    *why = "cannot be written";
    return false;
}
#else
// The temporary file gets a unique name, so that two games saving at once
// cannot write into one.
bool Sys_ReplaceFile(const std::string& hostPath, const std::string& bytes, std::string* why) {
    if (!MakeParentFolder(hostPath, why))
        return false;
    std::string temporary = hostPath + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0)
        return Failed("cannot make a file beside it", why);
    if (WriteAndClose(fd, bytes, why) &&
        (rename(temporary.c_str(), hostPath.c_str()) == 0 || Failed("cannot be replaced", why))) {
        FlushFolder(hostPath);
        return true;
    }
    unlink(temporary.c_str());
    return false;
}
#endif
