#include "platform/sys_data_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataFolderName = "gamedata";
// Where an installation keeps the data, beside the program's own folder: a
// Windows install keeps gamedata beside the program; on other systems the
// games layout of Debian (/usr/games with /usr/share/games/korvath), then the
// plain one (bin/ with share/korvath).
#ifdef _WIN32
constexpr const char* kInstalledRoots[] = {"."};
#else
constexpr const char* kInstalledRoots[] = {"../share/games/korvath", "../share/korvath"};
#endif

bool HoldsData(const fs::path& root) {
    std::error_code code;
    return fs::is_directory(root / kDataFolderName, code);
}

// The running program's own file: the system knows it where argv[0] may not.
fs::path ProgramFile(std::error_code& code) {
#ifdef _WIN32
    wchar_t name[32768];
    const DWORD length = GetModuleFileNameW(nullptr, name, sizeof name / sizeof name[0]);
    if (length > 0 && length < sizeof name / sizeof name[0])
        return fs::path(std::wstring(name, length));
    code = std::make_error_code(std::errc::no_such_file_or_directory);
    return {};
#else
    return fs::canonical("/proc/self/exe", code);
#endif
}

fs::path ProgramFolder(const char* programPath) {
    std::error_code code;
    fs::path self = ProgramFile(code);
    if (code)
        self = fs::absolute(programPath ? programPath : ".", code);
    return self.parent_path();
}

std::string FromEnvironment(const char* named, std::string* why) {
    fs::path folder = fs::absolute(named).lexically_normal();
    if (folder.filename().empty())
        folder = folder.parent_path();
    std::error_code code;
    if (folder.filename() == kDataFolderName && fs::is_directory(folder, code))
        return folder.parent_path().string();
    *why = std::string("KORVATH_DATA=") + named +
           " is not a folder called gamedata (the data's own paths begin with gamedata)";
    return "";
}

}  // namespace

std::string FindGameRoot(const char* programPath, std::string* why) {
    if (const char* named = std::getenv("KORVATH_DATA"))
        return FromEnvironment(named, why);
    if (HoldsData(fs::current_path()))
        return fs::current_path().string();
    std::string looked;
    for (const char* root : kInstalledRoots) {
        const fs::path installed = (ProgramFolder(programPath) / root).lexically_normal();
        if (HoldsData(installed))
            return installed.string();
        looked += " nor " + (installed / kDataFolderName).string();
    }
    *why = "no game data: neither ./gamedata" + looked + " is there, and KORVATH_DATA is not set";
    return "";
}
