#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "replay_options.h"
#include "trace_writer.h"

namespace {

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

bool Parse(std::vector<const char*> args, ReplayOptions* options) {
    std::string error;
    args.insert(args.begin(), "korvath-replay");
    bool ok = ParseReplayOptions(static_cast<int>(args.size()), args.data(), options, &error);
    EXPECT_EQ(ok, error.empty()) << error;
    return ok;
}

TEST(ReplayOptionsTest, ReadsEveryOptionAndSortsRequestsByTime) {
    ReplayOptions options, timed;
    ASSERT_TRUE(Parse({"--root", "r", "--input", "in", "--trace", "-", "--until", "ended", "--shot",
                       "900:b.png", "--shot", "100:a.png", "--pawns", "50", "--pawns", "7"},
                      &options));
    EXPECT_EQ(options.root, "r");
    EXPECT_TRUE(options.untilEnded);
    ASSERT_EQ(options.shots.size(), 2u);
    EXPECT_EQ(options.shots[0].file, "a.png");
    EXPECT_EQ(options.shots[1].time, 900u);
    EXPECT_EQ(options.pawns, (std::vector<uint32_t>{7, 50}));
    ASSERT_TRUE(Parse({"--until", "60000", "--no-render"}, &timed));
    EXPECT_EQ(timed.untilMs, 60000u);
    EXPECT_TRUE(timed.noRender);
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
        EXPECT_FALSE(Parse(args, &options)) << args[0];
    }
}

}  // namespace
