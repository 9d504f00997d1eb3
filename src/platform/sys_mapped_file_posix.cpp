// Mapped files on POSIX: the descriptor is closed at once; the mapping keeps
// the pages reachable until munmap.

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sys_mapped_file.h"
#include "platform/sys_path.h"

bool Sys_MapFile(const std::string& dataPath, Sys_MappedFile* file, std::string* why) {
    file->data = nullptr;
    file->size = 0;
    std::string unused;
    std::string& reason = why ? *why : unused;
    reason = "not found";
    // Non-blocking so that a FIFO or device named by the data cannot hang the open.
    int fd = open(Sys_HostPath(dataPath).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    reason = ok ? "" : "is not a regular file";
    if (ok && info.st_size > 0) {
        void* view =
            mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        ok = view != MAP_FAILED;
        reason = ok ? "" : "cannot be read";
        if (ok) {
            file->data = static_cast<const uint8_t*>(view);
            file->size = static_cast<size_t>(info.st_size);
        }
    }
    close(fd);
    return ok;
}

void Sys_UnmapFile(Sys_MappedFile* file) {
    if (file->data)
        munmap(const_cast<uint8_t*>(file->data), file->size);
    file->data = nullptr;
    file->size = 0;
}
