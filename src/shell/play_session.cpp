#include "shell/play_session.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "game/rest_state.h"
#include "platform/sys_dialog.h"
#include "platform/sys_video.h"
#include "render/game_view.h"
#include "search/hint_worker.h"
#include "shell/dead_end_watch.h"
#include "shell/main_loop_state.h"
#include "shell/menu_commands.h"
#include "shell/moment_texts.h"
#include "store/saved_progress.h"

void (*HintObserver)(uint32_t now, const Hint& hint) = nullptr;
void (*DeadEndObserver)(uint32_t now) = nullptr;

namespace {

constexpr uint32_t kHintShownMs = 2000;

// A hint asked for waits for the game to rest, is searched, then shows.
enum class HintStage { kNone, kAsked, kSearching, kShown };

struct Session {
    SessionSettings settings;
    SavedProgress progress;
    int reachedLevel = 0;     // the level whose start was last recorded
    bool finishSeen = false;  // the finished level's presses are recorded
    HintStage hint = HintStage::kNone;
    Position hintFrom;  // the position the hint is for
    HintSign hintSign;  // while shown
    std::string hintText;
    uint32_t hintUntil = 0;
    uint64_t ticket = 0;
    std::unique_ptr<HintWorker> worker;
    DeadEndWatch deadEnds;
    std::string levelComplete;  // said from the finish until the next level loads
    std::vector<std::string> levelChoices;
    Dialog levelsDialog = {};
};

Session g_session;

Position& Here() {
    return MainLoop().game.position;
}

bool InPlay() {
    return LevelBeingPlayed(Here());
}

// Whether the game still stands where it stood: a cooldown spent at rest
// changes nothing.
bool StillAt(const Position& then) {
    return AtRestForm(Here()) == then;
}

// A folder that cannot be written is said once; the progress is then kept
// only while the program runs.
void SaveIfChanged(const SavedProgress& before) {
    std::string& folder = g_session.settings.progressFolder;
    if (g_session.progress != before && !folder.empty() &&
        !SaveProgress(folder, g_session.progress))
        folder.clear();
}

void FinishLevel(int level, int presses) {
    g_session.levelComplete = LevelCompleteText(level, presses, g_session.progress);
    g_session.progress.LevelFinished(level, presses);
}

// A level begun is reached; a level finished keeps its fewest presses.
void RecordProgress() {
    const Position& position = Here();
    const SavedProgress before = g_session.progress;
    if (position.LevelPhase == kPhasePlaying && position.CurrentLevel != g_session.reachedLevel) {
        g_session.reachedLevel = position.CurrentLevel;
        g_session.progress.LevelReached(position.CurrentLevel);
    }
    if (position.LevelFinished && !g_session.finishSeen)
        FinishLevel(position.CurrentLevel, MainLoop().history.Presses());
    g_session.finishSeen = position.LevelFinished;
    SaveIfChanged(before);
}

// The banner: a level finished until the next one loads, then the end
// picture's farewell.
void ShowMoments() {
    const Position& position = Here();
    const bool finished = position.LevelPhase == kPhasePlaying && position.LevelFinished;
    if (position.LevelPhase == kPhaseEnded)
        Sys_SetBanner(kGameFinishedText, kGameFinishedHeight);
    else
        Sys_SetBanner(finished ? g_session.levelComplete.c_str() : "");
}

// A hint shown speaks over a dead end told; the dead end's cross is small.
void Tell() {
    HintSign sign = g_session.hintSign;
    const char* text = g_session.hintText.c_str();
    if (g_session.hint != HintStage::kShown) {
        const bool deadEnd = g_session.deadEnds.Told();
        sign = HintSign();
        sign.kind = deadEnd ? HintSign::kNoWay : HintSign::kNone;
        sign.small = true;
        text = deadEnd ? kDeadEndText : "";
    }
    MainLoopView().ShowHint(sign);
    Sys_SetNotice(text);
}

void ShowHint(const Hint& hint, uint32_t now) {
    g_session.hint = HintStage::kShown;
    g_session.hintUntil = now + kHintShownMs;
    HintSign& sign = g_session.hintSign;
    sign = HintSign();
    sign.kind = hint.kind == HintKind::kPress ? HintSign::kKey : HintSign::kNoWay;
    sign.keyCode = hint.keyCode;
    sign.gaveUp = hint.kind == HintKind::kGaveUp;
    g_session.hintText = HintText(hint);
    Tell();
    if (HintObserver)
        HintObserver(now, hint);
}

// A search still running is stopped: a level about to load rewrites the
// templates it reads.
void ClearHint() {
    if (g_session.hint == HintStage::kSearching)
        g_session.worker->Cancel();
    g_session.hint = HintStage::kNone;
    Tell();
}

void FollowDeadEnds(uint32_t now) {
    if (!g_session.deadEnds.Follow(Here()))
        return;
    Tell();
    if (g_session.deadEnds.Told() && DeadEndObserver)
        DeadEndObserver(now);
}

void ToggleDeadEndWarnings() {
    DeadEndWatch& watch = g_session.deadEnds;
    watch.SetEnabled(!watch.Enabled());
    Sys_SetMenuChecked(kCommandWarnDeadEnds, watch.Enabled());
    Tell();
}

void SearchHint(uint32_t now) {
    g_session.hintFrom = AtRestForm(Here());
    if (g_session.settings.hintsAtOnce)
        return ShowHint(FindHint(g_session.hintFrom), now);
    if (!g_session.worker)
        g_session.worker = std::make_unique<HintWorker>();
    g_session.worker->Request(g_session.hintFrom, ++g_session.ticket);
    g_session.hint = HintStage::kSearching;
}

// A hint found for a position the player has left is dropped.
void TakeHint(uint32_t now) {
    Hint hint;
    uint64_t ticket = 0;
    if (!g_session.worker->Take(&hint, &ticket) || ticket != g_session.ticket)
        return;
    if (StillAt(g_session.hintFrom))
        return ShowHint(hint, now);
    ClearHint();
}

void FollowHint(uint32_t now) {
    if (g_session.hint != HintStage::kNone && !InPlay())
        return ClearHint();
    switch (g_session.hint) {
        case HintStage::kAsked:
            if (GameAtRest(Here()))
                SearchHint(now);
            return;
        case HintStage::kSearching:
            return TakeHint(now);
        case HintStage::kShown:
            if (static_cast<int32_t>(now - g_session.hintUntil) >= 0 ||
                !StillAt(g_session.hintFrom))
                ClearHint();
            return;
        default:
            return;
    }
}

void AskForHint() {
    if (InPlay())
        g_session.hint = HintStage::kAsked;
}

// What changes the position outside the rules also drops a hint shown for it.
void Changed(bool changed) {
    if (changed)
        ClearHint();
}

const std::vector<LevelEntry>& Levels() {
    return GameLevels(&MainLoop().game);
}

// The levels reached, by number and name, with the fewest presses of each
// finished one; the one being played is highlighted.
void OpenLevelsDialog() {
    const std::vector<LevelEntry>& levels = Levels();
    const int reached = std::max(g_session.progress.highestLevel, Here().CurrentLevel);
    std::vector<std::string>& choices = g_session.levelChoices;
    choices.clear();
    for (const LevelEntry& level : levels) {
        if (level.number > reached)
            break;
        std::string line = std::to_string(level.number) + "  " + level.name;
        auto best = g_session.progress.fewestPresses.find(level.number);
        if (best != g_session.progress.fewestPresses.end())
            line += "  (best: " + std::to_string(best->second) + " presses)";
        choices.push_back(line);
    }
    g_session.levelsDialog = {"Levels", 230, 150, 7,  8,        "Choose a level to play:",
                              62,       128, 50,  14, &choices, kCommandPlayLevel};
    Sys_OpenDialog(&g_session.levelsDialog, Here().CurrentLevel - 1);
}

// The level starts behind its loading picture, as after the level before it.
void PlayLevel(int number) {
    Sys_CloseDialog();
    Position& position = Here();
    if (position.GameState != kGameRunning || number < 1 ||
        static_cast<size_t>(number) > Levels().size())
        return;
    position.CurrentLevel = number;
    position.LevelPhase = kPhaseStartLevel;
    position.LevelFinished = position.HeroDead = false;
    g_session.deadEnds.Stop();
    ClearHint();
}

}  // namespace

void StartSession(const SessionSettings& settings) {
    EndSession();
    g_session.settings = settings;
    g_session.deadEnds = DeadEndWatch(settings.hintsAtOnce);
    g_session.deadEnds.SetEnabled(settings.warnDeadEnds);
    Sys_SetMenuChecked(kCommandWarnDeadEnds, settings.warnDeadEnds);
    g_session.progress =
        settings.progressFolder.empty() ? SavedProgress() : LoadProgress(settings.progressFolder);
    MainLoop().game.firstLevel = settings.firstLevel;
}

void AfterSessionFrame(uint32_t now) {
    RecordProgress();
    FollowHint(now);
    FollowDeadEnds(now);
    ShowMoments();
}

void EndSession() {
    g_session = Session();
}

int CommandForKey(int key, const KeyDownTable& held) {
    switch (key) {
        case kKeyZ:
            return held[kKeyShift] ? kCommandRedo : kCommandUndo;
        case kKeyBackspace:
            return kCommandUndo;
        case kKeyY:
            return kCommandRedo;
        case kKeyH:
            return kCommandHint;
        case kKeyR:
            return kCommandRestart;
        default:
            return 0;
    }
}

bool RunPlayCommand(int command) {
    PlayHistory& history = MainLoop().history;
    if (command == kCommandUndo)
        Changed(history.Undo(&Here()));
    else if (command == kCommandRedo)
        Changed(history.Redo(&Here()));
    else if (command == kCommandRestart)
        Changed(history.Restart(&Here()));
    else if (command == kCommandHint)
        AskForHint();
    else if (command == kCommandLevels)
        OpenLevelsDialog();
    else if (command == kCommandWarnDeadEnds)
        ToggleDeadEndWarnings();
    else if (IsPlayLevelCommand(command))
        PlayLevel(command - kCommandPlayLevel + 1);
    else
        return false;
    return true;
}
