#include "shell/moment_texts.h"

#include <algorithm>

const char kGameFinishedText[] =
    "Korvath is finished. Thank you for playing.\n"
    "Close the window or choose File > Exit to quit.";

const char kDeadEndText[] =
    "Dead end: the exit can no longer be reached. Undo with Z, or X back to the checkpoint";

std::string LevelCompleteText(int level, int presses, const SavedProgress& before) {
    const auto best = before.fewestPresses.find(level);
    const bool first = best == before.fewestPresses.end();
    const int fewest = first ? presses : std::min(best->second, presses);
    std::string text = "Level " + std::to_string(level) + " complete\n";
    text += "Presses: " + std::to_string(presses) + "\n";
    text += "Best so far: " + std::to_string(fewest);
    if (first || presses < best->second)
        text += first ? " (first finish)" : " (a new best)";
    return text;
}
