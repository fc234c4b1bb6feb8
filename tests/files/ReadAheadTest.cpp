#include "files/ReadAhead.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>

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
