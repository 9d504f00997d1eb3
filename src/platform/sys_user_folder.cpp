#include "platform/sys_user_folder.h"

#include <cstdlib>

namespace {

// The variable's value; empty when it is not set.
std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

#ifdef _WIN32
std::string Sys_UserDataFolder() {
    const std::string appData = Variable("APPDATA");
    return appData.empty() ? "" : appData + "\\Korvath";
}
#else
// The XDG base directory rules ignore a relative XDG_DATA_HOME.
std::string Sys_UserDataFolder() {
    const std::string dataHome = Variable("XDG_DATA_HOME");
    if (!dataHome.empty() && dataHome[0] == '/')
        return dataHome + "/korvath";
    const std::string home = Variable("HOME");
    return home.empty() ? "" : home + "/.local/share/korvath";
}
#endif
