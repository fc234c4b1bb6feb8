#include "base/OffThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

using namespace quillfen;

TEST(OffThread, ReturnsWhatTheWorkGaveWhileTheWindowGoesOn)
{
    int steps = 0;
    const auto slow = [] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        return 42;
    };
    EXPECT_EQ(runOffThread(slow, [&] { ++steps; }), 42);
    EXPECT_GE(steps, 2);                              // at once, and again while the work went on
    EXPECT_EQ(runOffThread([] { return 7; }, {}), 7); // no window to keep going
}

TEST(OffThread, RethrowsWhatTheWorkThrew)
{
    const auto failing = [] { throw std::runtime_error("disk full"); };
    EXPECT_THROW(runOffThread(failing, [] {}), std::runtime_error);
}

TEST(OffThread, RunsTheWorkHereWhenNoThreadStarts)
{
    int steps = 0;
    const ThreadStart none = [](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    };
    EXPECT_EQ(runOffThread([] { return 5; }, [&] { ++steps; }, none), 5);
    EXPECT_EQ(steps, 1);
}

TEST(OffThread, WaitsForTheWorkWhenTheWindowStops)
{
    std::atomic<bool> finished{false};
    const auto slow = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        finished = true;
    };
    struct Closed {};
    EXPECT_THROW(runOffThread(slow, [] { throw Closed{}; }), Closed);
    EXPECT_TRUE(finished); // not left running against what the caller unwinds
}
