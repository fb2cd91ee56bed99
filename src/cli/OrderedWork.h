#pragma once
// Work on every core with its results handed on in order: each job runs on a
// worker thread, and the calling thread receives the results one after the
// other, job 0 first, as soon as each and every job before it is done. What
// the caller prints is thus the same, line for line, as when the jobs run one
// after the other.
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vexoria::cli {

// The number of threads to work on: the cores this process may run on.
int workerCount();

// Runs work(i) for i in 0..count-1 on `threads` worker threads (on the calling
// thread when threads is 1) and calls done(i, result) on the calling thread
// in the order of i. What a job throws is thrown again from here, in its turn.
template <class Result>
void runInOrder(int count, int threads, const std::function<Result(int)>& work,
                const std::function<void(int, Result&)>& done)
{
    if (threads <= 1 || count <= 1) {
        for (int i = 0; i < count; ++i) {
            Result r = work(i);
            done(i, r);
        }
        return;
    }
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr error;
        bool ready = false;
    };
    std::vector<Slot> finished(static_cast<std::size_t>(count));
    std::mutex mutex;
    std::condition_variable readyChanged;
    int next = 0;
    bool stop = false;
    auto worker = [&] {
        for (;;) {
            int i;
            {
                std::lock_guard lock(mutex);
                if (stop || next >= count) return;
                i = next++;
            }
            Slot filled;
            try {
                filled.result.emplace(work(i));
            } catch (...) {
                filled.error = std::current_exception();
            }
            filled.ready = true;
            std::lock_guard lock(mutex);
            finished[static_cast<std::size_t>(i)] = std::move(filled);
            readyChanged.notify_all();
        }
    };
    std::vector<std::jthread> pool;
    for (int t = 0; t < std::min(threads, count); ++t) pool.emplace_back(worker);
    auto finish = [&] {
        {
            std::lock_guard lock(mutex);
            stop = true;
        }
        pool.clear(); // joins
    };
    for (int i = 0; i < count; ++i) {
        Slot slot;
        {
            std::unique_lock lock(mutex);
            readyChanged.wait(lock, [&] { return finished[static_cast<std::size_t>(i)].ready; });
            slot = std::move(finished[static_cast<std::size_t>(i)]);
        }
        try {
            if (slot.error) std::rethrow_exception(slot.error);
            done(i, *slot.result);
        } catch (...) {
            finish();
            throw;
        }
    }
    finish();
}

} // namespace vexoria::cli
