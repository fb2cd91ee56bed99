#include "cli/UnitWork.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <vector>

#include <QThread>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/UnitJobs.h"
#include "cli/UnitSchedule.h"

namespace vexoria::cli {

int workerCount()
{
    // Qt counts the cores this process may run on (taskset narrows them).
    return std::max(1, QThread::idealThreadCount());
}

namespace {

using namespace work;

// A worker's life: jobs in, answers out, until the jobs pipe closes.
[[noreturn]] void serve(int jobs, int answers, const UnitWork& work)
{
    JobRunner runner(work);
    while (const std::optional<QByteArray> message = receiveMessage(jobs)) {
        if (!sendMessage(answers, encode(runner.run(decodeJob(*message))))) break;
    }
    // Without the calling process's exit handlers: they belong to it.
    ::_exit(0);
}

struct Worker {
    pid_t pid = -1;
    int jobs = -1;    // written by the calling process
    int answers = -1; // read by it
    std::deque<Job> inFlight; // sent, not answered yet, in the order sent
};

// Jobs a worker holds at once: the one it works on and the next, so that it
// never waits for this process to hand it one.
constexpr std::size_t kJobsAhead = 2;

void closeFd(int& fd)
{
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// Starts the workers; fewer (maybe none) when the system refuses more.
std::vector<Worker> startWorkers(int count, const UnitWork& work)
{
    std::vector<Worker> workers;
    for (int i = 0; i < count; ++i) {
        int jobs[2];
        int answers[2];
        if (::pipe(jobs) != 0) break;
        if (::pipe(answers) != 0) {
            ::close(jobs[0]);
            ::close(jobs[1]);
            break;
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(jobs[1]);
            ::close(answers[0]);
            for (Worker& w : workers) {
                closeFd(w.jobs);
                closeFd(w.answers);
            }
            serve(jobs[0], answers[1], work);
        }
        ::close(jobs[0]);
        ::close(answers[1]);
        if (pid < 0) {
            ::close(jobs[1]);
            ::close(answers[0]);
            break;
        }
        workers.push_back({pid, jobs[1], answers[0], {}});
    }
    return workers;
}

QByteArray endedWhy(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return QByteArray("a worker process ended on signal ") + QByteArray::number(WTERMSIG(status)) +
               " (" + ::strsignal(WTERMSIG(status)) + ")";
    return "a worker process ended with its work not done";
}

void runHere(int units, const UnitWork& work)
{
    JobRunner runner(work);
    InOrder order(units, work);
    Schedule schedule(units, work.sharedFrom);
    while (const std::optional<Job> job = schedule.next()) {
        Answer a = runner.run(*job);
        if (a.failure != Failure::None) schedule.stopAfter(a.unit);
        else if (a.parts) schedule.opened(a.unit, *a.parts);
        order.take(std::move(a));
        order.handOn();
    }
    if (!order.allHandedOn()) order.throwWhatStopped();
}

} // namespace

void runUnitsInOrder(int units, int workers, const UnitWork& work)
{
    if (units <= 0) return;
    if (workers <= 1) {
        runHere(units, work);
        return;
    }
    // A worker that ended must not end this process when it is sent a job.
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    std::vector<Worker> pool = startWorkers(workers, work);
    if (pool.empty()) {
        ::sigaction(SIGPIPE, &previous, nullptr);
        runHere(units, work);
        return;
    }
    InOrder order(units, work);
    Schedule schedule(units, work.sharedFrom);
    // A worker that ended: the job it was on is lost, with why, and the jobs
    // it held after that are handed to the others.
    QByteArray lastEnd;
    const auto lose = [&](Worker& w) {
        lastEnd = endedWhy(w.pid);
        w.pid = -1;
        closeFd(w.jobs);
        closeFd(w.answers);
        if (w.inFlight.empty()) return;
        const Job lost = w.inFlight.front();
        order.lost(lost, lastEnd);
        schedule.stopAfter(lost.unit);
        for (auto it = w.inFlight.rbegin(); it != std::prev(w.inFlight.rend()); ++it) schedule.putBack(*it);
        w.inFlight.clear();
    };
    const auto finish = [&] {
        for (Worker& w : pool) {
            closeFd(w.jobs);
            closeFd(w.answers);
            if (w.pid > 0) {
                int status = 0;
                while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
                }
                w.pid = -1;
            }
        }
        ::sigaction(SIGPIPE, &previous, nullptr);
    };
    try {
        for (;;) {
            // Every worker is given jobs up to what it may hold.
            for (Worker& w : pool) {
                while (w.jobs >= 0 && w.inFlight.size() < kJobsAhead) {
                    const std::optional<Job> job = schedule.next();
                    if (!job) break;
                    if (!sendMessage(w.jobs, encode(*job))) {
                        schedule.putBack(*job);
                        lose(w);
                        break;
                    }
                    w.inFlight.push_back(*job);
                }
            }
            std::vector<pollfd> fds;
            std::vector<Worker*> polled;
            for (Worker& w : pool) {
                if (w.inFlight.empty()) continue;
                fds.push_back({w.answers, POLLIN, 0});
                polled.push_back(&w);
            }
            if (fds.empty()) break;
            if (::poll(fds.data(), static_cast<nfds_t>(fds.size()), -1) < 0) {
                if (errno == EINTR) continue;
                throw std::runtime_error(std::string("cannot wait for the workers: ") + std::strerror(errno));
            }
            for (std::size_t i = 0; i < fds.size(); ++i) {
                if (fds[i].revents == 0) continue;
                Worker& w = *polled[i];
                const std::optional<QByteArray> message = receiveMessage(w.answers);
                if (!message) {
                    lose(w);
                    continue;
                }
                w.inFlight.pop_front();
                Answer a = decodeAnswer(*message);
                if (a.failure != Failure::None) schedule.stopAfter(a.unit);
                else if (a.parts) schedule.opened(a.unit, *a.parts);
                order.take(std::move(a));
            }
            order.handOn();
        }
        order.handOn();
        if (!order.allHandedOn()) order.throwWhatStopped(lastEnd);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

} // namespace vexoria::cli
