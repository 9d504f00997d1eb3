// The fuzz target for the game as a whole: a copy of the shipped data folder
// with one file replaced by the input, then the
// game's start-up and first level, headless and without drawing, in a child
// process, because a picture that cannot be read ends the program, as it
// must. The child must end with one of the game's own statuses in time; a
// crash, a sanitizer report, another status or a hang aborts this process, so
// that the fuzzer keeps the input.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_data_folder.h"
#include "fuzz_targets.h"
#include "platform/sys_dialog.h"
#include "replay_run.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kPlayMs = 4000;        // the first level has loaded and played a while
constexpr int kChildTimeLimitMs = 10000;  // a start-up that takes longer hangs
const int kGameStatuses[] = {0, 2, 3, 4, 5};

// The data files, as paths below gamedata/, of the pristine copy made once.
const std::vector<std::string>& DataFiles() {
    static std::vector<std::string> files = [] {
        std::vector<std::string> found;
        const fs::path shipped = fs::path(KORVATH_SOURCE_DIR) / "gamedata";
        fs::copy(shipped, fs::path(FuzzFolder()) / "pristine", fs::copy_options::recursive);
        for (const auto& entry : fs::recursive_directory_iterator(shipped))
            if (entry.is_regular_file())
                found.push_back(fs::relative(entry.path(), shipped).string());
        std::sort(found.begin(), found.end());
        return found;
    }();
    return files;
}

void ResetDataFolder() {
    fs::remove_all("gamedata");
    fs::copy("pristine", "gamedata", fs::copy_options::recursive);
}

// A picture's error box ends the game through exit(). The fuzzer's own exit
// handler, inherited through fork, would report that as the target exiting;
// the child's handler, registered later and so run first, leaves with the
// game's status.
[[noreturn]] void PlayInChild() {
    std::atexit([] { _exit(Sys_ExitCode()); });
    setenv("ALSOFT_DRIVERS", "null", 1);
    ReplayOptions options;
    options.noRender = true;
    options.hasUntil = true;
    options.untilMs = kPlayMs;
    _exit(RunReplay(options, {}));
}

// The child's exit status, or -1 when it crashed or had to be stopped.
int Outcome(pid_t child) {
    int status = 0;
    for (int waited = 0; waited < kChildTimeLimitMs; waited += 5) {
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        usleep(5000);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return -1;
}

// The input names the file it replaces ("pawntemp.xml", a zero byte, the
// file) or, when it names none of them, its first byte picks one.
size_t ChosenFile(const uint8_t* data, size_t size, const std::vector<std::string>& files,
                  size_t* skip) {
    const uint8_t* end =
        static_cast<const uint8_t*>(std::memchr(data, 0, std::min<size_t>(size, 64)));
    if (end) {
        auto named = std::find(files.begin(), files.end(), std::string(data, end));
        *skip = static_cast<size_t>(end - data) + 1;
        if (named != files.end())
            return static_cast<size_t>(named - files.begin());
    }
    *skip = 1;
    return data[0] % files.size();
}

}  // namespace

int FuzzWholeLoad(const uint8_t* data, size_t size) {
    const std::vector<std::string>& files = DataFiles();
    if (size == 0)
        return 0;
    ResetDataFolder();
    size_t skip = 0;
    const size_t file = ChosenFile(data, size, files, &skip);
    WriteFuzzFile(files[file], data + skip, size - skip);
    pid_t child = fork();
    if (child == 0)
        PlayInChild();
    const int status = Outcome(child);
    if (std::find(std::begin(kGameStatuses), std::end(kGameStatuses), status) ==
        std::end(kGameStatuses))
        std::abort();
    return 0;
}
