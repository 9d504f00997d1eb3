#pragma once
// The OpenAL library reads its configuration once per process, so tests that
// need another audio configuration run this test program again, limited to
// the current test, in a child process with that configuration. The child
// sees KORVATH_SOUND_CHILD in its environment.

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

inline bool InSoundChild() {
    return std::getenv("KORVATH_SOUND_CHILD") != nullptr;
}

// Runs the current test in a child with the audio variables replaced by
// extraEnv; returns the child's exit status, or -1 when it did not exit.
inline int RunCurrentTestInChild(const std::vector<std::string>& extraEnv) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    std::vector<std::string> env = extraEnv;
    env.push_back("KORVATH_SOUND_CHILD=1");
    for (char** var = environ; *var; var++)
        if (std::strncmp(*var, "ALSOFT_", 7) != 0)
            env.push_back(*var);
    std::vector<char*> envp;
    for (std::string& var : env)
        envp.push_back(var.data());
    envp.push_back(nullptr);
    std::string exe = "/proc/self/exe";
    char* argv[] = {exe.data(), filter.data(), nullptr};
    pid_t pid;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
