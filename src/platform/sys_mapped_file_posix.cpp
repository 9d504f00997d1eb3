// Mapped files on POSIX: the descriptor is closed at once; the mapping keeps
// the pages reachable until munmap.

#include <sys/mman.h>
#include <unistd.h>

#include "platform/sys_mapped_file.h"
#include "platform/sys_path.h"
#include "platform/sys_regular_file.h"

bool Sys_MapFile(const std::string& dataPath, Sys_MappedFile* file, std::string* why) {
    file->data = nullptr;
    file->size = 0;
    std::string unused;
    std::string& reason = why ? *why : unused;
    size_t size = 0;
    int fd = Sys_OpenRegularFile(Sys_HostPath(dataPath), &size, &reason);
    if (fd < 0)
        return false;
    void* view = size > 0 ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0) : nullptr;
    close(fd);
    if (view == MAP_FAILED) {
        reason = "cannot be read";
        return false;
    }
    file->data = static_cast<const uint8_t*>(view);
    file->size = view ? size : 0;
    return true;
}

void Sys_UnmapFile(Sys_MappedFile* file) {
    if (file->data)
        munmap(const_cast<uint8_t*>(file->data), file->size);
    file->data = nullptr;
    file->size = 0;
}
