#include "platform/sys_path.h"

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

FILE* Sys_OpenFile(const std::string& dataPath, const char* mode) {
    return std::fopen(Sys_HostPath(dataPath).c_str(), mode);
}
