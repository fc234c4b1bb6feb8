#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace quillfen {

// Does the reads a long task will want next on worker threads, in the order they were asked,
// so the kernel's work runs beside the task's own instead of after it.
//
// Each read is asked under a generation, a count the caller moves whenever the files or
// lists may have changed (a window counts its event rounds), and is handed out only under
// the same count: the task must see things as they are when it gets there. A read that went
// stale is made again (see renew); one that is not what the caller needs now is dropped
// together with everything asked after it.
// Owned and used by one thread. `Work` runs on the workers and must touch nothing the owner
// does; with more than one worker it runs on several jobs at once.
template <typename Job, typename Result> class ReadAhead {
public:
    // Does one job; `cancelled` turns true once its result will not be used.
    using Work = std::function<Result(const Job& job, const std::atomic<bool>& cancelled)>;

    explicit ReadAhead(Work work, int workers = 1)
        : m_work(std::move(work))
    {
        Q_ASSERT(workers >= 1);
        try {
            for (int i = 0; i < workers; ++i)
                m_workers.emplace_back([this] { run(); });
        } catch (...) {
            stop(); // the threads that did start
            throw;
        }
    }
    ~ReadAhead() { stop(); } // each worker ends after the job in hand, told it is cancelled
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    void ask(Job job, quint64 generation)
    {
        auto task = std::make_unique<Task>();
        task->job = std::move(job);
        task->generation = generation;
        {
            std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
        }
        m_changed.notify_all();
    }

    // How many jobs are asked and not yet taken, and the newest of them.
    std::size_t asked() const { return m_tasks.size(); }
    const Job& newest() const
    {
        Q_ASSERT(!m_tasks.empty());
        return m_tasks.back()->job;
    }

    // The oldest job asked, with its result, when it was asked under `generation` and is the one
    // `wanted`; waits for the worker to finish it. Otherwise drops every job asked and gives
    // nothing. Rethrows what the work failed with.
    template <typename Wanted>
    std::optional<std::pair<Job, Result>> take(quint64 generation, Wanted wanted)
    {
        return take(generation, wanted, [] {});
    }

    // The same, calling `whileWaiting` every few milliseconds while the worker is not done: a
    // read that waits on a slow disk need not freeze a window. `whileWaiting` may move the
    // generation (the result is still the one asked under `generation`) but must leave this
    // object alone.
    template <typename Wanted, typename WhileWaiting>
    std::optional<std::pair<Job, Result>> take(quint64 generation, Wanted wanted,
                                               WhileWaiting whileWaiting)
    {
        if (m_tasks.empty())
            return std::nullopt;
        if (m_tasks.front()->generation != generation || !wanted(m_tasks.front()->job)) {
            dropAll();
            return std::nullopt;
        }
        std::unique_ptr<Task> task;
        {
            std::unique_lock lock(m_mutex);
            const auto done = [&] { return m_tasks.front()->done; };
            while (!m_changed.wait_for(lock, std::chrono::milliseconds(4), done)) {
                lock.unlock();
                whileWaiting();
                lock.lock();
            }
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        if (task->failure)
            std::rethrow_exception(task->failure);
        return std::make_pair(std::move(task->job), std::move(*task->result));
    }

    // Brings every job asked up to `generation`, keeping their order: one no worker has
    // started yet will read things as they are now and only changes its label; one started
    // or done is asked again in its place. Reads already under `generation` stay.
    void renew(quint64 generation)
    {
        bool askedAgain = false;
        {
            std::lock_guard lock(m_mutex);
            for (auto& task : m_tasks)
                askedAgain = renew(task, generation) || askedAgain;
        }
        if (askedAgain)
            m_changed.notify_all(); // the workers may all be waiting for work
    }

    void dropAll()
    {
        std::lock_guard lock(m_mutex);
        for (auto& task : m_tasks)
            abandon(std::move(task));
        m_tasks.clear();
    }

private:
    struct Task {
        Job job;
        quint64 generation = 0;
        std::optional<Result> result;
        std::exception_ptr failure;
        std::atomic<bool> cancelled{false};
        bool started = false; // these two under the mutex
        bool done = false;
    };

    // Under the mutex: true when the task had to be asked again.
    bool renew(std::unique_ptr<Task>& task, quint64 generation)
    {
        if (task->generation == generation)
            return false;
        task->generation = generation;
        if (!task->started)
            return false;
        auto fresh = std::make_unique<Task>();
        fresh->job = task->job;
        fresh->generation = generation;
        abandon(std::move(task));
        task = std::move(fresh);
        return true;
    }

    // Under the mutex: a job in hand is told to stop and let go of once its worker is done with
    // it, so the owner never waits for a read it will not use.
    void abandon(std::unique_ptr<Task> task)
    {
        std::erase_if(m_abandoned, [](const auto& old) { return old->done; });
        if (!task->started || task->done)
            return;
        task->cancelled = true;
        m_abandoned.push_back(std::move(task));
    }

    void stop()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
            for (const auto& task : m_tasks)
                task->cancelled = true;
        }
        m_changed.notify_all();
        for (std::thread& worker : m_workers)
            worker.join();
    }

    void run()
    {
        for (;;) {
            Task* task = nullptr;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] {
                    for (const auto& queued : m_tasks) {
                        if (!queued->started) {
                            task = queued.get();
                            break;
                        }
                    }
                    return m_stop || task != nullptr;
                });
                if (m_stop)
                    return;
                task->started = true;
            }
            try {
                task->result.emplace(m_work(task->job, task->cancelled));
            } catch (...) {
                task->failure = std::current_exception();
            }
            {
                std::lock_guard lock(m_mutex);
                task->done = true;
            }
            m_changed.notify_all();
        }
    }

    Work m_work;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // Only the owner adds and removes tasks; the worker reads the list under the mutex.
    std::deque<std::unique_ptr<Task>> m_tasks;
    std::vector<std::unique_ptr<Task>> m_abandoned; // in a worker's hands, under the mutex
    bool m_stop = false;
    std::vector<std::thread> m_workers; // last: start once everything above is ready
};

} // namespace quillfen
