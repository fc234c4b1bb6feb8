#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QScopeGuard>

#include <chrono>
#include <functional>
#include <future>
#include <system_error>
#include <thread>
#include <type_traits>

namespace quillfen {

// Runs `work` that may block for long (writing a workbook, a file reaching the disk) on a
// thread of its own while this thread calls `waitStep` (say, to keep processing events), when
// given, at least once and then every few milliseconds until the work is done. Returns what
// the work returned and rethrows what it threw. Work that cannot be stopped halfway is waited
// for also when `waitStep` throws, which is then rethrown. When no thread can be had, the
// work runs here and the caller waits.
//
// `startThread` starts the thread (tests stand in one that cannot).
using ThreadStart = std::function<std::thread(std::function<void()>)>;

template <typename Work>
std::invoke_result_t<Work> runOffThread(Work work, const std::function<void()>& waitStep,
                                        const ThreadStart& startThread = {})
{
    using Result = std::invoke_result_t<Work>;
    constexpr std::chrono::milliseconds kWaitSlice{5}; // well under what a user notices
    // Kept here, not moved into the thread, so it is still there to run if no thread starts.
    std::packaged_task<Result()> task(std::move(work));
    std::future<Result> result = task.get_future();
    const auto run = [&task] { task(); };
    std::thread worker;
    try {
        worker = startThread ? startThread(run) : std::thread(run);
    } catch (const std::system_error&) {
        run();
    }
    const auto join = qScopeGuard([&worker] {
        if (worker.joinable())
            worker.join();
    });
    if (waitStep) {
        do
            waitStep();
        while (result.wait_for(kWaitSlice) != std::future_status::ready);
    }
    return result.get();
}

} // namespace quillfen
