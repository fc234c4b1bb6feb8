#include "desktop/EventYield.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quillfen;

TEST(ThrottledYield, CountsEveryPassOfAnyEventLoopAndNothingWhenThrottled)
{
    ThrottledYield yield(0);
    quint64 seen = yield.rounds();
    yield.yield();
    EXPECT_GT(yield.rounds(), seen);

    // A loop of its own, as a message box runs one in the middle of a command.
    seen = yield.rounds();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GT(yield.rounds(), seen);

    ThrottledYield throttled(60000);
    seen = throttled.rounds();
    throttled.yield(); // too soon after the last time: no events processed
    EXPECT_EQ(throttled.rounds(), seen);
}
