#include "files/ReadAhead.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <utility>

using namespace quillfen;

namespace {

using Squares = ReadAhead<int, long>;

long square(const int& job, const std::atomic<bool>&)
{
    if (job < 0)
        throw std::runtime_error("negative");
    return long(job) * job;
}

auto any = [](const int&) { return true; };

} // namespace

TEST(ReadAhead, HandsOutResultsInTheOrderAskedWhateverTheWorkers)
{
    for (const int workers : {1, 2, 3}) {
        Squares ahead(square, workers);
        int next = 0;
        for (int i = 0; i < 500; ++i) {
            while (ahead.asked() < 4)
                ahead.ask(next++, 1);
            EXPECT_EQ(ahead.newest(), next - 1);
            const auto taken = ahead.take(1, [&](const int& job) { return job == i; });
            ASSERT_TRUE(taken) << workers << " " << i;
            EXPECT_EQ(taken->second, long(i) * i);
        }
    }
}

TEST(ReadAhead, DropsEverythingAskedWhenRoundsOrTheWantedJobDiffer)
{
    Squares ahead(square);
    ahead.ask(1, 7);
    ahead.ask(2, 7);
    EXPECT_FALSE(ahead.take(8, any)); // events were processed since
    EXPECT_EQ(ahead.asked(), 0u);
    EXPECT_FALSE(ahead.take(7, any)); // nothing asked

    ahead.ask(1, 8);
    ahead.ask(2, 8);
    EXPECT_FALSE(ahead.take(8, [](const int& job) { return job == 2; }));
    EXPECT_EQ(ahead.asked(), 0u);
    ahead.ask(3, 8);
    EXPECT_EQ(ahead.take(8, any)->second, 9);
}

TEST(ReadAhead, RethrowsWhatTheWorkFailedWithAndGoesOn)
{
    Squares ahead(square);
    ahead.ask(-1, 0);
    ahead.ask(4, 0);
    EXPECT_THROW(ahead.take(0, any), std::runtime_error);
    EXPECT_EQ(ahead.take(0, any)->second, 16);
}

TEST(ReadAhead, CancelsTheJobInHandWhenDroppedOrDestroyed)
{
    // Each job runs until it is cancelled; neither dropping nor destroying may wait for more.
    const auto untilCancelled = [](const int&, const std::atomic<bool>& cancelled) {
        while (!cancelled)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return std::string("cancelled");
    };
    ReadAhead<int, std::string> ahead(untilCancelled, 2);
    for (int i = 0; i < 4; ++i)
        ahead.ask(i, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ahead.dropAll();
    EXPECT_EQ(ahead.asked(), 0u);
    for (int i = 0; i < 4; ++i)
        ahead.ask(i, 0);
} // destroyed with two jobs in hand and two waiting

TEST(ReadAhead, RenewingReadsAgainWhatStartedBeforeTheChangeAndKeepsTheOrder)
{
    // Each job reports the state of the world when its work began; the first waits in hand
    // while the world changes.
    std::atomic<int> world{1};
    std::atomic<bool> firstStarted{false};
    std::atomic<bool> release{false};
    const auto seen = [&](const int& job, const std::atomic<bool>& cancelled) {
        const int state = world;
        if (job == 0 && !firstStarted.exchange(true)) {
            while (!release && !cancelled)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return std::make_pair(job, state);
    };
    ReadAhead<int, std::pair<int, int>> ahead(seen, 1);
    for (int i = 0; i < 4; ++i)
        ahead.ask(i, 1);
    while (!firstStarted)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    world = 2;
    ahead.renew(2);
    release = true;
    for (int i = 0; i < 4; ++i) {
        const auto taken = ahead.take(2, any);
        ASSERT_TRUE(taken) << i;
        EXPECT_EQ(taken->second, std::make_pair(i, 2)) << "a read from before the change";
    }
    EXPECT_EQ(ahead.asked(), 0u);

    // A read done before the change, with every worker idle, is made again too.
    std::atomic<bool> done{false};
    ReadAhead<int, int> idle(
        [&](const int&, const std::atomic<bool>&) {
            done = true;
            return world.load();
        },
        2);
    idle.ask(0, 2);
    while (!done)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    world = 3;
    idle.renew(3);
    EXPECT_EQ(idle.take(3, any)->second, 3);
}

TEST(ReadAhead, KeepsTheOwnerGoingWhileASlowReadIsWaitedFor)
{
    std::atomic<bool> release{false};
    ReadAhead<int, int> ahead(
        [&](const int& job, const std::atomic<bool>& cancelled) {
            while (!release && !cancelled)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            return job;
        },
        1);
    ahead.ask(5, 0);
    int calls = 0;
    const auto taken = ahead.take(0, any, [&] {
        // The owner's events run here; the read is released after a few rounds.
        if (++calls == 3)
            release = true;
    });
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->second, 5);
    EXPECT_GE(calls, 3);
}
