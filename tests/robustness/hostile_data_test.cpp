// The hostile-data table: each data file missing, cut, random or a folder, and
// the worst cases of hostile_files.cpp, played by the sanitizer build's
// korvath-replay. It writes docs/robustness.md and fails on a crash, a hang, a
// sanitizer report, status 0 after a data error's box, over 10 s or 512 MB.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "hostile_files.h"
#include "level_folder.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSource = KORVATH_SOURCE_DIR;
constexpr double kTimeLimitS = 10.0;
constexpr long kMemoryLimitKb = 512 * 1024;

struct Outcome {
    std::string status = "?";
    std::string box, errorLine;
    double seconds = 0.0;
    long peakKb = 0;
    std::string fault;  // empty when the row passes
};

// The shipped data as links: hard links in the damaged file's folder, so that a
// damage replaces a file and never edits the shipped one; other folders symbolic.
void LinkData(const fs::path& to, const std::string& damaged) {
    const fs::path shipped = kSource / "gamedata";
    const fs::path damagedFolder = fs::path(damaged).parent_path();
    fs::create_directories(to / damagedFolder);
    for (const auto& entry : fs::directory_iterator(shipped)) {
        const fs::path name = entry.path().filename();
        if (!entry.is_directory())
            fs::create_hard_link(entry.path(), to / name);
        else if (name != damagedFolder)
            fs::create_directory_symlink(entry.path(), to / name);
    }
    if (!damagedFolder.empty())
        for (const auto& entry : fs::directory_iterator(shipped / damagedFolder))
            fs::create_hard_link(entry.path(), to / damagedFolder / entry.path().filename());
}

std::vector<Row> FileRows() {
    std::vector<Row> rows;
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(kSource / "gamedata"))
        if (entry.is_regular_file() && entry.path().parent_path().filename() != "levels")
            files.push_back(fs::relative(entry.path(), kSource / "gamedata").string());
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        std::string bytes = ReadFile(kSource / "gamedata" / file);
        auto cut = [file, bytes](size_t size) {
            return [file, bytes, size](const fs::path& d) {
                ReplaceFile(d / file, bytes.substr(0, size));
            };
        };
        rows.push_back({file, "missing", [file](const fs::path& d) { fs::remove(d / file); }});
        rows.push_back({file, "cut in half", cut(bytes.size() / 2)});
        rows.push_back({file, "cut to 10 bytes", cut(10)});
        rows.push_back({file, "random bytes", [file, bytes](const fs::path& d) {
                            ReplaceFile(d / file, RandomBytes(bytes.size(), bytes.size()));
                        }});
        rows.push_back({file, "a folder", [file](const fs::path& d) {
                            fs::remove(d / file);
                            fs::create_directory(d / file);
                        }});
    }
    return rows;
}

// The first line a program wrote that is not the sanitizer's.
std::string FirstErrorLine(const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line.find("Sanitizer") == std::string::npos && line[0] != '=')
            return line.substr(0, 160);
    return "";
}

std::string BoxText(const std::string& trace) {
    size_t at = trace.find("\"event\":\"message\"");
    if (at == std::string::npos)
        return "";
    size_t text = trace.find("\"text\":", at) + 8;
    std::string box = trace.substr(text, trace.find("\"}", text) - text);
    for (size_t i = 0; i + 1 < box.size(); ++i)
        if (box[i] == '\\')
            box.erase(i, 1);
    return box;
}

// The program's peak resident memory so far, in kB (0 once it has gone). The
// fork's own copy of this test, before the program replaced it, is not counted.
long PeakKb(pid_t pid) {
    std::error_code code;
    const fs::path program = fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", code);
    if (code || program != fs::path(KORVATH_REPLAY_EXE))
        return 0;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

class HostileData : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef KORVATH_SANITIZED
        GTEST_SKIP() << "the table is made by the sanitizer build (build/asan)";
#endif
        Diagnostic problem;
        ASSERT_TRUE(ReadLevelArguments({(kSource / "gamedata" / "levels").string()}, true, &levels_,
                                       &problem));
        std::string keys;
        for (size_t i = 0; i < levels_.size() && i < 2; ++i)
            for (const std::string& key : levels_[i].solution)
                keys += "next " + key + "\n";
        std::ofstream(dir_.File("keys.txt")) << keys;
    }

    std::vector<std::string> PlanFor(const std::string& file) const;
    pid_t Start(const Row& row, const fs::path& root);
    Outcome Play(const Row& row);

    TempDir dir_;
    std::vector<LevelText> levels_;
};

std::string Slashed(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

// How a row is played: the first two levels' solutions read every file but a
// later level's own picture and tune, whose rows play that level's first
// seconds, and the end picture's, which start past the last level.
std::vector<std::string> HostileData::PlanFor(const std::string& file) const {
    if (file == "demo_end.jpg")
        return {"--level", "999", "--until", "3000"};
    for (size_t i = 2; i < levels_.size(); ++i) {
        const LevelText& level = levels_[i];
        const std::string n = std::to_string(level.number);
        const std::string picture = level.picture.empty() ? "loading" + n + ".jpg" : level.picture;
        const std::string music = level.music.empty() ? "sound/stage" + n + ".wav" : level.music;
        if (file == Slashed(picture) || file == Slashed(music))
            return {"--level", n, "--until", "6000"};
    }
    return {"--input", dir_.File("keys.txt")};
}

pid_t HostileData::Start(const Row& row, const fs::path& root) {
    LinkData(root / "gamedata", row.file);
    row.apply(root / "gamedata");
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    setenv("ASAN_OPTIONS", "detect_leaks=1:quarantine_size_mb=32", 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    freopen((root / "stderr").c_str(), "w", stderr);
    freopen("/dev/null", "w", stdout);
    std::vector<std::string> args = {KORVATH_REPLAY_EXE, "--root",
                                     root.string(),      "--no-render",
                                     "--trace",          (root / "trace.jsonl").string()};
    for (const std::string& arg : PlanFor(row.file))
        args.push_back(arg);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(KORVATH_REPLAY_EXE, argv.data());
    _exit(127);
}

// One row: the program runs until it ends, or is stopped well after the time
// limit; its peak memory is sampled meanwhile.
Outcome HostileData::Play(const Row& row) {
    const fs::path root = dir_.File("run");
    const auto began = std::chrono::steady_clock::now();
    const auto seconds = [began] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };
    const pid_t pid = Start(row, root);
    Outcome out;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) != pid) {
        out.peakKb = std::max(out.peakKb, PeakKb(pid));
        if (seconds() > kTimeLimitS + 5)
            kill(pid, SIGKILL);
        usleep(2000);
    }
    out.seconds = seconds();
    const std::string errors = ReadFile(root / "stderr");
    out.box = BoxText(ReadFile(root / "trace.jsonl"));
    out.errorLine = FirstErrorLine(errors);
    out.status = WIFEXITED(status) ? std::to_string(WEXITSTATUS(status))
                                   : "signal " + std::to_string(WTERMSIG(status));
    if (!WIFEXITED(status))
        out.fault = out.seconds > kTimeLimitS ? "hung" : "crashed";
    else if (errors.find("Sanitizer") != std::string::npos ||
             errors.find("runtime error") != std::string::npos)
        out.fault = "sanitizer report";
    else if (!out.box.empty() && WEXITSTATUS(status) == 0)
        out.fault = "status 0 after a data error";
    else if (out.seconds > kTimeLimitS)
        out.fault = "slower than 10 s";
    else if (out.peakKb > kMemoryLimitKb)
        out.fault = "more than 512 MB";
    fs::remove_all(root);
    return out;
}

std::string Escaped(std::string text) {
    for (size_t at = 0; (at = text.find('|', at)) != std::string::npos; at += 2)
        text.replace(at, 1, "\\|");
    return text;
}

void WriteTable(const std::vector<Row>& rows, const std::vector<Outcome>& outcomes) {
    std::ofstream doc(kSource / "docs" / "robustness.md");
    doc << "# Hostile data\n\nWritten by `tests/robustness/hostile_data_test.cpp` in the sanitizer "
           "build: each row is one damaged copy of `gamedata/`, played by `korvath-replay "
           "--no-render` with the first two levels' solutions until they settle, or, for a "
           "later level's own picture or tune, from that level's start for six seconds, and "
           "for the end picture from past the last level (status 0 then; "
           "3 when the play could not go on; 4 after the data-error box; 3 after the JPEG "
           "box). Limits: 10 s, 512 MB, no crash, no sanitizer report, never status 0 after "
           "a box. The level text files are not read by the game and have no rows.\n\n"
           "| file | damage | status | box | standard error | s | MB | verdict |\n"
           "|---|---|---|---|---|---|---|---|\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        const Outcome& o = outcomes[i];
        char figures[64];
        std::snprintf(figures, sizeof figures, "%.1f | %ld", o.seconds, o.peakKb / 1024);
        doc << "| " << rows[i].file << " | " << rows[i].damage << " | " << o.status << " | "
            << Escaped(o.box) << " | " << Escaped(o.errorLine) << " | " << figures << " | "
            << (o.fault.empty() ? "ok" : "**" + o.fault + "**") << " |\n";
    }
}

TEST_F(HostileData, NoDamagedDataFolderCrashesHangsOrEndsWellAfterAnError) {
    std::vector<Row> rows = FileRows();
    for (Row& row : WorstCases())
        rows.push_back(row);
    std::vector<Outcome> outcomes;
    for (const Row& row : rows)
        outcomes.push_back(Play(row));
    WriteTable(rows, outcomes);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_TRUE(outcomes[i].fault.empty())
            << rows[i].file << ", " << rows[i].damage << ": " << outcomes[i].fault << " (status "
            << outcomes[i].status << ", " << outcomes[i].errorLine << ")";
}

}  // namespace
