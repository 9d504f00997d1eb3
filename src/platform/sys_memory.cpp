#include "platform/sys_memory.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include <cstdio>
#endif

#ifdef _WIN32
size_t Sys_AvailableMemory() {
    MEMORYSTATUSEX status;
    status.dwLength = sizeof status;
    return GlobalMemoryStatusEx(&status) ? static_cast<size_t>(status.ullAvailPhys) : 0;
}
#else
// MemAvailable counts the page cache the kernel would give up; free pages
// alone, where it is missing, undercount.
size_t Sys_AvailableMemory() {
    if (FILE* info = std::fopen("/proc/meminfo", "r")) {
        unsigned long long kilobytes = 0;
        char line[128];
        while (std::fgets(line, sizeof line, info))
            if (std::sscanf(line, "MemAvailable: %llu kB", &kilobytes) == 1)
                break;
        std::fclose(info);
        if (kilobytes > 0)
            return static_cast<size_t>(kilobytes) * 1024;
    }
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? static_cast<size_t>(pages) * static_cast<size_t>(pageSize)
                                     : 0;
}
#endif
