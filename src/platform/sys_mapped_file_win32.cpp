// Mapped files on Windows: the file and mapping handles are closed at once;
// the view keeps the pages reachable until UnmapViewOfFile.

#include <windows.h>

#include <filesystem>

#include "platform/sys_mapped_file.h"
#include "platform/sys_path.h"

namespace {

// Devices (CON, NUL, COM1) and folders are refused before anything is opened,
// so that no open can block on them.
bool CheckRegularFile(const std::string& hostPath, std::string* why) {
    std::error_code code;
    const auto status = std::filesystem::status(hostPath, code);
    if (std::filesystem::is_regular_file(status))
        return true;
    *why = std::filesystem::exists(status) ? "is not a regular file" : "not found";
    return false;
}

}  // namespace

bool Sys_MapFile(const std::string& dataPath, Sys_MappedFile* file, std::string* why) {
    file->data = nullptr;
    file->size = 0;
    std::string unused;
    std::string& reason = why ? *why : unused;
    const std::string hostPath = Sys_HostPath(dataPath);
    if (!CheckRegularFile(hostPath, &reason))
        return false;
    HANDLE handle = CreateFileA(hostPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size;
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK ||
        !GetFileSizeEx(handle, &size)) {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        reason = "cannot be opened";
        return false;
    }
    const void* view = nullptr;
    if (size.QuadPart > 0) {
        HANDLE mapping = CreateFileMappingA(handle, nullptr, PAGE_READONLY, 0, 0, nullptr);
        view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
        if (mapping)
            CloseHandle(mapping);
    }
    CloseHandle(handle);
    if (size.QuadPart > 0 && !view) {
        reason = "cannot be read";
        return false;
    }
    file->data = static_cast<const uint8_t*>(view);
    file->size = view ? static_cast<size_t>(size.QuadPart) : 0;
    return true;
}

void Sys_UnmapFile(Sys_MappedFile* file) {
    if (file->data)
        UnmapViewOfFile(file->data);
    file->data = nullptr;
    file->size = 0;
}
