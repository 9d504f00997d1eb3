#include <gtest/gtest.h>

#include "core/keys.h"
#include "replay_input.h"
#include "shell/resources.h"

namespace {

std::string ErrorOf(const std::string& text) {
    std::vector<InputEvent> events;
    std::string error;
    EXPECT_FALSE(ParseInput(text, "keys.txt", &events, &error));
    return error;
}

}  // namespace

TEST(ReplayInput, ReadsEveryKindOfLineAndSkipsCommentsAndBlanks) {
    const char* text =
        "# a run\n"
        "\n"
        "0 down Right   # hold\n"
        "40 up Right\n"
        "40 down 65\r\n"
        "100 menu about\n"
        "100 ok\n"
        "  250\tdown   X\n"
        "300 menu exit\n";
    std::vector<InputEvent> events;
    std::string error;
    ASSERT_TRUE(ParseInput(text, "keys.txt", &events, &error)) << error;
    ASSERT_EQ(events.size(), 7u);
    EXPECT_EQ(events[0].kind, InputKind::KeyDown);
    EXPECT_EQ(events[0].code, kKeyRight);
    EXPECT_EQ(events[1].kind, InputKind::KeyUp);
    EXPECT_EQ(events[1].time, 40u);
    EXPECT_EQ(events[2].code, 65);
    EXPECT_EQ(events[3].kind, InputKind::Menu);
    EXPECT_EQ(events[3].code, kCommandAbout);
    EXPECT_EQ(events[4].kind, InputKind::Ok);
    EXPECT_EQ(events[5].code, 'X');
    EXPECT_EQ(events[5].time, 250u);
    EXPECT_EQ(events[6].code, kCommandExit);
}

TEST(ReplayInput, RefusesBadLinesWithFileLineAndReason) {
    EXPECT_EQ(ErrorOf("0 down Left\n\n5 down Enter\n"), "keys.txt:3: unknown key 'Enter'");
    EXPECT_EQ(ErrorOf("10 down Left\n9 up Left\n"), "keys.txt:2: time goes backwards (9 after 10)");
    EXPECT_EQ(ErrorOf("0 down 256\n"), "keys.txt:1: unknown key '256'");
    EXPECT_EQ(ErrorOf("0 down 0\n"), "keys.txt:1: unknown key '0'");
    EXPECT_EQ(ErrorOf("0 press Left\n"),
              "keys.txt:1: expected 'down', 'up', 'menu' or 'ok' after the time");
    EXPECT_EQ(ErrorOf("0 down\n"), "keys.txt:1: 'down' takes one word after it");
    EXPECT_EQ(ErrorOf("0 down Left Right\n"), "keys.txt:1: 'down' takes one word after it");
    EXPECT_EQ(ErrorOf("0 ok now\n"), "keys.txt:1: 'ok' takes nothing after it");
    EXPECT_EQ(ErrorOf("0 menu open\n"),
              "keys.txt:1: unknown menu command 'open' (exit, about or controls)");
    EXPECT_EQ(ErrorOf("-5 down Left\n"), "keys.txt:1: time '-5' is not a number of milliseconds");
    EXPECT_EQ(ErrorOf("4294967296 ok\n"),
              "keys.txt:1: time '4294967296' is not a number of milliseconds");
    EXPECT_EQ(ErrorOf("down Left\n"), "keys.txt:1: time 'down' is not a number of milliseconds");
}

// "next" lines have no time: only timed lines are held to time order.
TEST(ReplayInput, NextLinesMixWithTimedOnesInFileOrder) {
    std::vector<InputEvent> events;
    std::string error;
    ASSERT_TRUE(
        ParseInput("900 down X\nnext Left\n\n900 up X\nnext 65 # A\n", "k", &events, &error))
        << error;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[1].kind, InputKind::Next);
    EXPECT_EQ(events[1].code, kKeyLeft);
    EXPECT_EQ(events[2].line, 4);
    EXPECT_EQ(events[3].code, 65);
    EXPECT_EQ(ErrorOf("900 down X\nnext Left\n899 up X\n"),
              "keys.txt:3: time goes backwards (899 after 900)");
    EXPECT_EQ(ErrorOf("next\n"),
              "keys.txt:1: 'next' takes one key, or keys joined by '+', after it");
    EXPECT_EQ(ErrorOf("next Up 5\n"),
              "keys.txt:1: 'next' takes one key, or keys joined by '+', after it");
    EXPECT_EQ(ErrorOf("next Enter\n"), "keys.txt:1: unknown key 'Enter'");
    EXPECT_EQ(ErrorOf("next Up+\n"), "keys.txt:1: unknown key 'Up+'");
    events.clear();
    ASSERT_TRUE(ParseInput("next Up+Down+Right\n", "k", &events, &error)) << error;
    EXPECT_EQ(events[0].chord, (std::vector<int>{kKeyUp, kKeyDown, kKeyRight}));
}

TEST(ReplayInput, KeyNamesReadBackAsTheSameKeys) {
    for (int code : {int(kKeyLeft), int(kKeyRight), int(kKeyUp), int(kKeyDown), int(kKeySpace),
                     int(kKeyX), int(kKeyReturn), 255}) {
        std::vector<InputEvent> events;
        std::string error;
        ASSERT_TRUE(ParseInput("7 down " + KeyName(code), "k", &events, &error)) << error;
        EXPECT_EQ(events[0].code, code);
    }
}

TEST(ReplayInput, MenuCommandNamesReadBackAsTheSameCommands) {
    for (int command : {int(kCommandExit), int(kCommandAbout), int(kCommandControls)}) {
        std::vector<InputEvent> events;
        std::string error;
        ASSERT_TRUE(ParseInput("7 menu " + MenuCommandName(command), "k", &events, &error))
            << error;
        EXPECT_EQ(events[0].code, command);
    }
}

TEST(ReplayInput, MissingFileIsReported) {
    std::vector<InputEvent> events;
    std::string error;
    EXPECT_FALSE(ReadInputFile("/nonexistent/keys.txt", &events, &error));
    EXPECT_EQ(error, "/nonexistent/keys.txt: cannot be opened");
}
