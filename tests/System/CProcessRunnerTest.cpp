#include "Veltis/System/CProcessRunner.h"

#include <gtest/gtest.h>

#include <csignal>

#include <vector>

using namespace Veltis::System;

namespace {

TEST(CProcessRunner, AnswersTheExitStatusWithoutAShell)
{
    const char* const kTricky = "a b; echo $(id) `id` \"q\" 'q' > out";
    struct Case { std::vector<const char*> arguments; int status; };
    const Case kCases[] = {
        {{"true", nullptr}, 0},
        {{"false", nullptr}, 1},
        {{"sh", "-c", "exit 7", nullptr}, 7},
        // Each text arrives as one argument, unchanged.
        {{"test", kTricky, "=", kTricky, nullptr}, 0},
        {{"test", kTricky, "=", "a", nullptr}, 1},
        {{"veltis-no-such-program", nullptr}, -1},
        {{"sh", "-c", "kill -9 $$", nullptr}, -1},
        {{nullptr}, -1},
    };
    CProcessRunner runner;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.arguments[0] != nullptr ? c.arguments[0] : "(none)");
        EXPECT_EQ(runner.Run(c.arguments.data()), c.status);
    }
    EXPECT_EQ(runner.Run(nullptr), -1);
}

TEST(CProcessRunner, ProgramStartsWithDefaultSignalHandling)
{
    // An ignored SIGTERM would be inherited across exec; the runner restores the default.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous = {};
    ASSERT_EQ(sigaction(SIGTERM, &ignore, &previous), 0);
    const char* const arguments[] = {"sh", "-c", "kill -TERM $$; exit 0", nullptr};
    const int status = CProcessRunner().Run(arguments);
    sigaction(SIGTERM, &previous, nullptr);
    EXPECT_EQ(status, -1);
}

} // namespace
