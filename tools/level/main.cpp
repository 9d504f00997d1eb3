// korvath-level: compiles level files into the game's level store, prints a
// level store back as level files, checks levels against the rules a
// designer must keep, and writes the levels' solutions as replay input.

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "level_check.h"
#include "level_folder.h"
#include "level_print.h"
#include "levels_xml.h"
#include "platform/sys_command_line.h"
#include "platform/sys_data_folder.h"
#include "platform/sys_process.h"
#include "platform/sys_replace_file.h"
#include "tool_templates.h"

namespace fs = std::filesystem;

namespace {

enum Status { kOk = 0, kRulesBroken = 1, kBadInput = 2 };

const char* const kUsage =
    "usage: korvath-level compile [--root DIR] LEVELDIR -o FILE\n"
    "       korvath-level print [--root DIR] [--legend FILE] LEVELS.XML [-o DIR]\n"
    "       korvath-level check [--root DIR] [LEVELDIR|LEVELFILE]...\n"
    "       korvath-level solution [--root DIR] [LEVELDIR|LEVELFILE]... [-o FILE]\n"
    "       korvath-level --help | --version\n"
    "compile writes the level store the game reads; print writes a level store back\n"
    "as level files (to standard output without -o); check checks the rules a level\n"
    "must keep; solution writes the levels' solutions as next lines.\n"
    "The templates are read from ROOT/gamedata/pawntemp.xml; without --root, ROOT\n"
    "is found as the game finds its data ($KORVATH_DATA, ./gamedata, the installed\n"
    "data). check and solution read ROOT/gamedata/levels when no level is named.\n"
    "Status: 0 done, 1 check found broken rules, 2 bad arguments or input.\n";

struct Arguments {
    std::string command;
    std::string root;  // found as the game finds its data when not given
    std::string output;
    std::string legend;
    std::vector<std::string> inputs;
};

std::string Absolute(const std::string& path) {
    return path.empty() ? path : fs::absolute(path).lexically_normal().string();
}

// Options may come before or after the command, which is the first word.
bool ParseArguments(int argc, char** argv, Arguments* args) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool hasValue = i + 1 < argc;
        if ((word == "-o" || word == "--root" || word == "--legend") && !hasValue)
            return false;
        if (word == "-o")
            args->output = argv[++i];
        else if (word == "--root")
            args->root = argv[++i];
        else if (word == "--legend")
            args->legend = argv[++i];
        else if (!word.empty() && word[0] == '-')
            return false;
        else if (args->command.empty())
            args->command = word;
        else
            args->inputs.push_back(word);
    }
    return !args->command.empty();
}

// Paths on the command line are the caller's; the data is read from the root.
bool EnterRoot(Arguments* args, const char* programPath) {
    std::string why;
    if (args->root.empty())
        args->root = FindGameRoot(programPath, &why);
    if (args->root.empty()) {
        std::fprintf(stderr, "korvath-level: %s\n", why.c_str());
        return false;
    }
    for (std::string& input : args->inputs)
        input = Absolute(input);
    args->output = Absolute(args->output);
    args->legend = Absolute(args->legend);
    if (args->inputs.empty() && args->command != "print")
        args->inputs.push_back(Absolute(args->root + "/gamedata/levels"));
    if (Sys_EnterFolder(args->root))
        return true;
    std::fprintf(stderr, "korvath-level: cannot enter %s\n", args->root.c_str());
    return false;
}

int Fail(const Diagnostic& error) {
    std::fprintf(stderr, "%s\n", error.Text().c_str());
    return kBadInput;
}

int FailText(const std::string& text) {
    std::fprintf(stderr, "korvath-level: %s\n", text.c_str());
    return kBadInput;
}

// Writes beside the target and renames, so a failed run leaves no partial file.
#ifdef _WIN32
bool WriteWhole(const std::string& path, const std::string& text) {
    std::string why;
    return Sys_ReplaceFile(path, text, &why);
}
#else
bool WriteWhole(const std::string& path, const std::string& text) {
    std::string temporary = path + ".partial-XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temporary.c_str());
    return ok;
}
#endif

bool LoadTemplates() {
    std::string error;
    if (LoadToolTemplates(&error))
        return true;
    FailText(error);
    return false;
}

int Compile(const Arguments& args) {
    std::vector<LevelText> levels;
    Diagnostic error;
    if (args.inputs.empty() || args.output.empty())
        return FailText(std::string("compile needs a level folder and -o FILE\n") + kUsage);
    if (!LoadTemplates())
        return kBadInput;
    if (!ReadLevelArguments(args.inputs, true, &levels, &error))
        return Fail(error);
    std::vector<CompiledLevel> compiled;
    for (const LevelText& level : levels)
        compiled.push_back({level.number, level.name, level.hasName, OrderedPawns(level),
                            level.picture, level.music});
    if (!WriteWhole(args.output, LevelsXml(compiled)))
        return FailText("cannot write " + args.output);
    return kOk;
}

int Print(const Arguments& args) {
    if (args.inputs.size() != 1)
        return FailText(std::string("print needs one level store\n") + kUsage);
    std::string legendFile = args.legend.empty() ? fs::path(args.inputs[0]).parent_path().string() +
                                                       "/levels/" + kLegendFileName
                                                 : args.legend;
    Legend legend;
    std::string legendText;
    Diagnostic error;
    std::error_code code;
    bool hasLegend = fs::exists(legendFile, code);
    if (hasLegend && !(ReadTextFile(legendFile, &legendText, &error) &&
                       ParseLegend(legendText, legendFile, &legend, &error)))
        return Fail(error);
    std::string problem;
    std::vector<CompiledLevel> levels;
    if (!LoadTemplates())
        return kBadInput;
    if (!ReadLevelsXml(args.inputs[0], &levels, &problem))
        return FailText(problem);
    if (args.output.empty()) {
        for (const CompiledLevel& level : levels)
            std::printf("%s\n", PrintLevel(level, legend).c_str());
        return kOk;
    }
    fs::create_directories(args.output, code);
    bool ok = !hasLegend || WriteWhole(args.output + "/" + kLegendFileName, legendText);
    for (const CompiledLevel& level : levels)
        ok = ok && WriteWhole(args.output + "/level" + std::to_string(level.number) + ".txt",
                              PrintLevel(level, legend));
    return ok ? kOk : FailText("cannot write into " + args.output);
}

int Check(const Arguments& args) {
    std::vector<LevelText> levels;
    Diagnostic error;
    if (!LoadTemplates())
        return kBadInput;
    bool wholeGame = args.inputs.size() == 1 && fs::is_directory(args.inputs[0]);
    if (!ReadLevelArguments(args.inputs, wholeGame, &levels, &error))
        return Fail(error);
    int problems = 0;
    for (const LevelText& level : levels)
        for (const Diagnostic& found : CheckLevel(level)) {
            std::fprintf(stderr, "%s\n", found.Text().c_str());
            ++problems;
        }
    std::printf("korvath-level: %zu level%s checked, %d problem%s\n", levels.size(),
                levels.size() == 1 ? "" : "s", problems, problems == 1 ? "" : "s");
    return problems ? kRulesBroken : kOk;
}

int Solution(const Arguments& args) {
    std::vector<LevelText> levels;
    Diagnostic error;
    if (!ReadLevelArguments(args.inputs, false, &levels, &error))
        return Fail(error);
    std::string text;
    for (const LevelText& level : levels) {
        if (level.solution.empty())
            return Fail({level.file, {1, 1}, "no 'solution' line"});
        text += "# level " + std::to_string(level.number) + ": " + level.name + "\n";
        for (const std::string& key : level.solution)
            text += "next " + key + "\n";
    }
    if (args.output.empty()) {
        std::fputs(text.c_str(), stdout);
        return kOk;
    }
    return WriteWhole(args.output, text) ? kOk : FailText("cannot write " + args.output);
}

}  // namespace

int main(int argc, char** argv) {
    if (int status = Sys_AnswerHelpOrVersion(argc, argv, "korvath-level", KORVATH_VERSION, kUsage);
        status >= 0)
        return status;
    Arguments args;
    if (!ParseArguments(argc, argv, &args)) {
        std::fputs(kUsage, stderr);
        return kBadInput;
    }
    if (!EnterRoot(&args, argv[0]))
        return kBadInput;
    if (args.command == "compile")
        return Compile(args);
    if (args.command == "print")
        return Print(args);
    if (args.command == "check")
        return Check(args);
    if (args.command == "solution")
        return Solution(args);
    std::fputs(kUsage, stderr);
    return kBadInput;
}
