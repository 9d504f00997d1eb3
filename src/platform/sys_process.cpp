#include "platform/sys_process.h"

#include <cstdlib>
#include <filesystem>

bool Sys_EnterFolder(const std::string& hostPath) {
    std::error_code code;
    std::filesystem::current_path(hostPath, code);
    return !code;
}

std::string Sys_CurrentFolder() {
    std::error_code code;
    const std::filesystem::path here = std::filesystem::current_path(code);
    return code ? "." : here.string();
}

void Sys_SetEnvironmentDefault(const char* name, const char* value) {
#ifdef _WIN32
    if (!std::getenv(name))
        _putenv_s(name, value);
#else
    setenv(name, value, 0);
#endif
}
