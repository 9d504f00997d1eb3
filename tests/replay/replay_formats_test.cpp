// What the replay tool reads and writes: its input files, its options and
// the numbers and strings of its traces.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <tuple>

#include "core/keys.h"
#include "replay_input.h"
#include "replay_options.h"
#include "shell/resources.h"
#include "trace_writer.h"

namespace {

std::vector<InputEvent> Parse(const std::string& text) {
    std::vector<InputEvent> events;
    std::string error;
    EXPECT_TRUE(ParseInput(text, "k", &events, &error)) << error;
    return events;
}

TEST(ReplayInput, ReadsEveryKindOfLineAndSkipsCommentsAndBlanks) {
    std::vector<InputEvent> events = Parse(
        "# a run\n\n0 down Right   # hold\n40 up Right\n40 down 65\r\n100 menu about\n"
        "100 ok\n  250\tdown   X\n300 menu exit\n");
    const std::tuple<uint32_t, InputKind, int> expected[] = {{0, InputKind::KeyDown, kKeyRight},
                                                             {40, InputKind::KeyUp, kKeyRight},
                                                             {40, InputKind::KeyDown, 65},
                                                             {100, InputKind::Menu, kCommandAbout},
                                                             {100, InputKind::Ok, 0},
                                                             {250, InputKind::KeyDown, 'X'},
                                                             {300, InputKind::Menu, kCommandExit}};
    ASSERT_EQ(events.size(), std::size(expected));
    for (size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(std::tie(events[i].time, events[i].kind, events[i].code), expected[i]) << i;
}

// "next" lines have no time: only timed lines are held to time order.
TEST(ReplayInput, NextLinesMixWithTimedOnesInFileOrder) {
    std::vector<InputEvent> events = Parse("900 down X\nnext Left\n\n900 up X\nnext 65 # A\n");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1].kind, InputKind::Next);
    EXPECT_EQ(events[1].code, kKeyLeft);
    EXPECT_EQ(events[2].line, 4);
    EXPECT_EQ(events[3].code, 65);
    EXPECT_EQ(Parse("next Up+Down+Right\n")[0].chord,
              (std::vector<int>{kKeyUp, kKeyDown, kKeyRight}));
}

TEST(ReplayInput, NamesReadBackAsTheSameKeysAndCommands) {
    for (int code : {int(kKeyLeft), int(kKeyRight), int(kKeyUp), int(kKeyDown), int(kKeySpace),
                     int(kKeyX), int(kKeyReturn), 255})
        EXPECT_EQ(Parse("7 down " + KeyWord(code))[0].code, code);
    for (int command : {int(kCommandExit), int(kCommandAbout), int(kCommandControls)})
        EXPECT_EQ(Parse("7 menu " + MenuCommandName(command))[0].code, command);
}

TEST(ReplayInput, RefusesBadLinesWithFileAndLine) {
    const std::pair<const char*, int> bad[] = {{"0 down Left\n\n5 down Enter\n", 3},
                                               {"10 down Left\n9 up Left\n", 2},
                                               {"900 down X\nnext Left\n899 up X\n", 3},
                                               {"0 down 256\n", 1},
                                               {"0 down 0\n", 1},
                                               {"0 press Left\n", 1},
                                               {"0 down Left Right\n", 1},
                                               {"0 ok now\n", 1},
                                               {"0 menu open\n", 1},
                                               {"4294967296 ok\n", 1},
                                               {"down Left\n", 1},
                                               {"next\n", 1},
                                               {"next Up+\n", 1}};
    for (const auto& [text, line] : bad) {
        std::vector<InputEvent> events;
        std::string error;
        EXPECT_FALSE(ParseInput(text, "keys.txt", &events, &error)) << text;
        EXPECT_EQ(error.rfind("keys.txt:" + std::to_string(line) + ": ", 0), 0u) << error;
    }
}

TEST(TraceFormat, NumbersReadBackAsTheSameFloatsAndStringsAreEscaped) {
    for (float value : {0.0f, -0.0f, 0.1f, -220.0f, 1.0f / 3.0f, 1e-38f, 3.4e38f, 123456.789f,
                        16.2f, -0.00001f, 2e-45f, 7.0f, 0.30000001192f, 99.99f}) {
        std::string text = JsonNumber(value);
        float back = std::strtof(text.c_str(), nullptr);
        EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    }
    EXPECT_EQ(JsonNumber(100.0f), "100");
    EXPECT_EQ(JsonNumber(1.0f / 0.0f), "null");
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("line\nnext\ttab\x01"), "\"line\\u000anext\\u0009tab\\u0001\"");
    EXPECT_EQ(JsonString(".\\gamedata\\sound\\a.wav"), "\".\\\\gamedata\\\\sound\\\\a.wav\"");
}

bool ParseArgs(std::vector<const char*> args, ReplayOptions* options) {
    std::string error;
    args.insert(args.begin(), "korvath-replay");
    bool ok = ParseReplayOptions(static_cast<int>(args.size()), args.data(), options, &error);
    EXPECT_EQ(ok, error.empty()) << error;
    return ok;
}

TEST(ReplayOptionsTest, RefusesBadArgumentsAndShotsWithoutDrawing) {
    for (const auto& args :
         std::vector<std::vector<const char*>>{{"--until", "soon"},
                                               {"--until"},
                                               {"--shot", "100"},
                                               {"--shot", "x:a.png"},
                                               {"--shot", "100:"},
                                               {"--pawns", "-1"},
                                               {"--frobnicate"},
                                               {"--until", "99999999999"},
                                               {"--no-render", "--shot", "5:a.png"},
                                               {"--record", "r.txt", "--input", "i.txt"}}) {
        ReplayOptions options;
        EXPECT_FALSE(ParseArgs(args, &options)) << args[0];
    }
}

}  // namespace
