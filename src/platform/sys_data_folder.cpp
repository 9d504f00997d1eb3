#include "platform/sys_data_folder.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDataFolderName = "gamedata";
// Where an installation keeps the data, beside the program's own folder: the
// games layout of Debian (/usr/games with /usr/share/games/korvath), then
// the plain one (bin/ with share/korvath).
constexpr const char* kInstalledRoots[] = {"../share/games/korvath", "../share/korvath"};

bool HoldsData(const fs::path& root) {
    std::error_code code;
    return fs::is_directory(root / kDataFolderName, code);
}

// The running program's own file: the kernel knows it where argv[0] may not.
fs::path ProgramFolder(const char* programPath) {
    std::error_code code;
    fs::path self = fs::canonical("/proc/self/exe", code);
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
