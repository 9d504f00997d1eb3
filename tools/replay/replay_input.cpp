#include "replay_input.h"

#include <cstdio>
#include <sstream>

#include "core/keys.h"
#include "platform/sys_path.h"
#include "shell/resources.h"
#include "world/level_list.h"

namespace {

struct NamedCommand {
    const char* name;
    int code;
};

const NamedCommand kMenuCommands[] = {
    {"exit", kCommandExit},       {"about", kCommandAbout},   {"controls", kCommandControls},
    {"undo", kCommandUndo},       {"redo", kCommandRedo},     {"hint", kCommandHint},
    {"restart", kCommandRestart}, {"levels", kCommandLevels}, {"deadends", kCommandWarnDeadEnds}};
constexpr char kLevelCommandPrefix[] = "level";

// A decimal number that fits in 32 bits, digits only.
bool ParseNumber(const std::string& word, uint32_t* value) {
    if (word.empty() || word.size() > 10)
        return false;
    uint64_t number = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + static_cast<uint64_t>(c - '0');
    }
    if (number > UINT32_MAX)
        return false;
    *value = static_cast<uint32_t>(number);
    return true;
}

bool ParseKey(const std::string& word, int* code) {
    if ((*code = KeyCodeNamed(word)) != 0)
        return true;
    uint32_t number = 0;
    if (!ParseNumber(word, &number) || number < 1 || number >= kKeyCodeCount)
        return false;
    *code = static_cast<int>(number);
    return true;
}

// "levelN" is the Levels dialog's choice of level N.
bool ParseLevelChoice(const std::string& word, int* code) {
    uint32_t level = 0;
    const size_t prefix = sizeof kLevelCommandPrefix - 1;
    if (word.compare(0, prefix, kLevelCommandPrefix) != 0 ||
        !ParseNumber(word.substr(prefix), &level) || level < 1 || level > kMaxLevels)
        return false;
    *code = kCommandPlayLevel + static_cast<int>(level) - 1;
    return true;
}

bool ParseMenu(const std::string& word, int* code) {
    for (const NamedCommand& command : kMenuCommands)
        if (word == command.name) {
            *code = command.code;
            return true;
        }
    return ParseLevelChoice(word, code);
}

std::vector<std::string> Words(const std::string& line) {
    std::string text = line.substr(0, line.find('#'));
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// A "next KEY" or "next KEY+KEY..." line's words; an empty string on
// success, else the reason.
std::string ParseNext(const std::vector<std::string>& words, InputEvent* event) {
    event->time = 0;
    event->kind = InputKind::Next;
    if (words.size() != 2)
        return "'next' takes one key, or keys joined by '+', after it";
    std::istringstream keys(words[1]);
    for (std::string key; std::getline(keys, key, '+');) {
        int code = 0;
        if (!ParseKey(key, &code))
            return "unknown key '" + key + "'";
        event->chord.push_back(code);
    }
    if (event->chord.empty() || words[1].back() == '+')
        return "unknown key '" + words[1] + "'";
    event->code = event->chord[0];
    return std::string();
}

// The event of a timed line's words; an empty string on success, else the reason.
std::string ParseTimed(const std::vector<std::string>& words, InputEvent* event) {
    if (!ParseNumber(words[0], &event->time))
        return "time '" + words[0] + "' is not a number of milliseconds";
    const std::string& verb = words.size() > 1 ? words[1] : std::string();
    if (verb == "ok" || verb == "cancel")
        event->kind = verb == "ok" ? InputKind::Ok : InputKind::Cancel;
    else if (verb == "down" || verb == "up")
        event->kind = verb == "down" ? InputKind::KeyDown : InputKind::KeyUp;
    else if (verb == "menu")
        event->kind = InputKind::Menu;
    else
        return "expected 'down', 'up', 'menu', 'ok' or 'cancel' after the time";
    size_t wanted = event->kind == InputKind::Ok || event->kind == InputKind::Cancel ? 2 : 3;
    if (words.size() != wanted)
        return wanted == 2 ? "'" + verb + "' takes nothing after it"
                           : "'" + verb + "' takes one word after it";
    event->code = 0;
    if (event->kind == InputKind::Menu && !ParseMenu(words[2], &event->code))
        return "unknown menu command '" + words[2] +
               "' (exit, about, controls, undo, redo, hint, restart, levels or levelN)";
    if (event->kind != InputKind::Menu && wanted == 3 && !ParseKey(words[2], &event->code))
        return "unknown key '" + words[2] + "'";
    return std::string();
}

std::string ParseWords(const std::vector<std::string>& words, InputEvent* event) {
    return words[0] == "next" ? ParseNext(words, event) : ParseTimed(words, event);
}

// Times may not go backwards from one timed line to the next; "next" lines
// have no time and are not compared.
std::string CheckOrder(const InputEvent& event, uint32_t* lastTime) {
    if (event.kind == InputKind::Next)
        return std::string();
    if (event.time < *lastTime)
        return "time goes backwards (" + std::to_string(event.time) + " after " +
               std::to_string(*lastTime) + ")";
    *lastTime = event.time;
    return std::string();
}

}  // namespace

bool ParseInput(const std::string& text, const std::string& name, std::vector<InputEvent>* events,
                std::string* error) {
    std::istringstream stream(text);
    int lineNumber = 0;
    uint32_t lastTime = 0;  // of the last timed line
    for (std::string line; std::getline(stream, line);) {
        ++lineNumber;
        std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        InputEvent event{};
        event.line = lineNumber;
        std::string reason = ParseWords(words, &event);
        if (reason.empty())
            reason = CheckOrder(event, &lastTime);
        if (!reason.empty()) {
            *error = name + ":" + std::to_string(lineNumber) + ": " + reason;
            return false;
        }
        events->push_back(event);
    }
    return true;
}

bool ReadInputFile(const std::string& path, std::vector<InputEvent>* events, std::string* error) {
    FILE* file = Sys_OpenFile(path, "rb");
    if (!file) {
        *error = path + ": cannot be opened";
        return false;
    }
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return ParseInput(text, path, events, error);
}

std::string KeyWord(int virtualKey) {
    const char* name = KeyName(virtualKey);
    return name ? name : std::to_string(virtualKey);
}

std::string MenuCommandName(int command) {
    for (const NamedCommand& entry : kMenuCommands)
        if (entry.code == command)
            return entry.name;
    if (IsPlayLevelCommand(command))
        return kLevelCommandPrefix + std::to_string(command - kCommandPlayLevel + 1);
    return std::to_string(command);
}
