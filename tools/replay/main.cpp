// korvath-replay: plays the real game headless from an input file, with a
// trace, pawn lists and screenshots; or records a person's play.

#include <cstdio>
#include <filesystem>
#include <string>

#include "key_recorder.h"
#include "platform/sys_command_line.h"
#include "platform/sys_data_folder.h"
#include "platform/sys_process.h"
#include "replay_input.h"
#include "replay_options.h"
#include "replay_run.h"

namespace {

constexpr int kUsageError = 2;

// Paths given on the command line are the caller's, not the game root's.
std::string FromCaller(const std::string& path, const std::string& callerDir) {
    if (path.empty() || path == "-" || std::filesystem::path(path).is_absolute())
        return path;
    return callerDir + "/" + path;
}

void AnchorPaths(ReplayOptions* options) {
    std::string here = Sys_CurrentFolder();
    options->trace = FromCaller(options->trace, here);
    options->record = FromCaller(options->record, here);
    options->timed = FromCaller(options->timed, here);
    options->progress = FromCaller(options->progress, here);
    for (ShotRequest& shot : options->shots)
        shot.file = FromCaller(shot.file, here);
}

}  // namespace

int main(int argc, char** argv) {
    if (int status =
            Sys_AnswerHelpOrVersion(argc, argv, "korvath-replay", KORVATH_VERSION, kReplayUsage);
        status >= 0)
        return status;
    ReplayOptions options;
    std::string error;
    std::vector<InputEvent> events;
    if (!ParseReplayOptions(argc, argv, &options, &error) ||
        (!options.input.empty() && !ReadInputFile(options.input, &events, &error))) {
        std::fprintf(stderr, "korvath-replay: %s\n%s", error.c_str(),
                     error.find(": ") == std::string::npos ? kReplayUsage : "");
        return kUsageError;
    }
    AnchorPaths(&options);
    std::string why;
    if (options.root.empty())
        options.root = FindGameRoot(argv[0], &why);
    if (options.root.empty() || !Sys_EnterFolder(options.root)) {
        std::fprintf(stderr, "korvath-replay: %s\n",
                     why.empty() ? ("cannot enter " + options.root).c_str() : why.c_str());
        return kUsageError;
    }
    if (!options.record.empty())
        return RecordGame(options.record, options.trace);
    return RunReplay(options, events);
}
