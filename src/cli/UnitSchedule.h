#pragma once
// The calling process's side of render --all's work (UnitWork.h), and the
// running of one job where it stands: which job comes next, doing a job,
// and handing what the jobs gave on in order.
#include <algorithm>
#include <deque>
#include <exception>
#include <map>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

#include "cli/UnitJobs.h"
#include "cli/UnitWork.h"

namespace vexoria::cli::work {

// The parts of a unit shared out are handed out this many at a time.
constexpr int kPartsAtATime = 16;

// Does a job where it stands, in a worker or in this process.
class JobRunner {
public:
    explicit JobRunner(const UnitWork& work) : m_work(work) {}

    Answer run(const Job& job)
    {
        Answer a;
        a.unit = job.unit;
        a.first = job.first;
        try {
            int count = job.count;
            const auto held = std::find(m_held.begin(), m_held.end(), job.unit);
            if (job.open || held == m_held.end()) {
                if (held != m_held.end()) m_held.erase(held);
                int parts = 0;
                QByteArray opened = m_work.open(job.unit, parts);
                if (job.open) {
                    a.parts = std::max(0, parts);
                    a.opened = std::move(opened);
                    count = *a.parts < m_work.sharedFrom ? *a.parts : 0;
                }
                // A unit done whole here gets no more parts.
                if (job.open && *a.parts < m_work.sharedFrom) {
                    for (int k = 0; k < count; ++k) a.done.push_back(m_work.part(job.unit, k));
                    m_work.close(job.unit);
                    return a;
                }
                m_held.push_back(job.unit);
                if (m_held.size() > kUnitsHeld) {
                    m_work.close(m_held.front());
                    m_held.pop_front();
                }
            } else {
                m_held.erase(held);
                m_held.push_back(job.unit);
            }
            for (int k = job.first; k < job.first + count; ++k) a.done.push_back(m_work.part(job.unit, k));
        } catch (const std::bad_alloc&) {
            a.failure = Failure::Memory;
        } catch (const std::exception& e) {
            a.failure = Failure::Other;
            a.why = e.what();
        } catch (...) {
            a.failure = Failure::Other;
            a.why = "the work stopped for an unknown reason";
        }
        return a;
    }

private:
    // Large units a worker keeps open for their parts, the last used last:
    // parts of two or three of them may come in turn, and opening one again
    // reads and splits the whole unit again.
    static constexpr std::size_t kUnitsHeld = 4;

    const UnitWork& m_work;
    std::deque<int> m_held;
};

// What the calling process has of each unit, handed on in order.
class InOrder {
public:
    InOrder(int units, const UnitWork& work) : m_units(units), m_work(work) {}

    bool allHandedOn() const { return m_next >= m_units; }

    // Takes an answer; a failure it reports is kept for its unit's turn.
    void take(Answer a)
    {
        Unit& u = m_pending[a.unit];
        if (a.parts) {
            u.parts = *a.parts;
            u.opened = std::move(a.opened);
            u.done.resize(static_cast<std::size_t>(*a.parts));
        }
        for (std::size_t i = 0; i < a.done.size(); ++i)
            u.done[static_cast<std::size_t>(a.first) + i] = std::move(a.done[i]);
        if (a.failure != Failure::None && u.failure == Failure::None) {
            u.failure = a.failure;
            u.why = a.why;
            u.failedAt = a.first + static_cast<int>(a.done.size());
        }
    }

    // A job whose worker ended with it not done: its first part is lost.
    void lost(const Job& job, const QByteArray& why)
    {
        Unit& u = m_pending[job.unit];
        if (u.failure == Failure::None) {
            u.failure = Failure::Other;
            u.why = why;
            u.failedAt = job.open ? 0 : job.first;
        }
    }

    // Hands on all that is ready, in order; throws a failure in its turn.
    void handOn()
    {
        while (m_next < m_units) {
            auto it = m_pending.find(m_next);
            if (it == m_pending.end()) return;
            Unit& u = it->second;
            if (u.parts && !u.openedHandedOn) {
                m_work.opened(m_next, u.opened);
                u.openedHandedOn = true;
            }
            while (u.parts && u.nextPart < *u.parts && u.done[static_cast<std::size_t>(u.nextPart)]) {
                m_work.partDone(m_next, u.nextPart, *u.done[static_cast<std::size_t>(u.nextPart)]);
                u.done[static_cast<std::size_t>(u.nextPart)].reset();
                ++u.nextPart;
            }
            const bool complete = u.parts && u.nextPart == *u.parts;
            if (!complete && u.failure == Failure::None) return;
            // The parts before the one that failed are handed on first.
            if (u.failure != Failure::None && u.parts && u.nextPart < u.failedAt) return;
            if (u.failure == Failure::Memory) throw std::bad_alloc();
            if (u.failure == Failure::Other) throw std::runtime_error(u.why.toStdString());
            m_work.unitDone(m_next);
            m_pending.erase(it);
            ++m_next;
        }
    }

    // Once no more work will come, with units not handed on: the first
    // failure kept is thrown (the units before it were handed on).
    void throwWhatStopped(const QByteArray& otherwise = {}) const
    {
        for (const auto& [unit, u] : m_pending) {
            if (u.failure == Failure::Memory) throw std::bad_alloc();
            if (u.failure == Failure::Other) throw std::runtime_error(u.why.toStdString());
        }
        throw std::runtime_error(otherwise.isEmpty() ? "the work stopped before its end" : otherwise.toStdString());
    }

private:
    struct Unit {
        std::optional<int> parts;
        QByteArray opened;
        bool openedHandedOn = false;
        std::vector<std::optional<QByteArray>> done;
        int nextPart = 0;
        Failure failure = Failure::None;
        QByteArray why;
        int failedAt = 0; // the part that failed
    };
    const int m_units;
    const UnitWork& m_work;
    std::map<int, Unit> m_pending;
    int m_next = 0;
};

// The jobs still to hand out, in the order they are to be taken.
class Schedule {
public:
    Schedule(int units, int sharedFrom) : m_last(units - 1), m_sharedFrom(sharedFrom) {}

    std::optional<Job> next()
    {
        if (!m_parts.empty()) {
            const Job j = m_parts.front();
            m_parts.pop_front();
            return j;
        }
        if (m_nextUnit <= m_last) return Job{m_nextUnit++, true, 0, 0};
        return std::nullopt;
    }

    // A unit was opened with many parts: they are handed out a few at a time.
    void opened(int unit, int parts)
    {
        if (parts < m_sharedFrom || unit > m_last) return;
        for (int first = 0; first < parts; first += kPartsAtATime)
            m_parts.push_back({unit, false, first, std::min(kPartsAtATime, parts - first)});
    }

    // A job that was not done (its worker ended) is taken next.
    void putBack(const Job& job)
    {
        if (job.unit <= m_last) m_parts.push_front(job);
    }

    // Work on unit `unit` failed: no later unit is worked on any more, and
    // what is left of the earlier ones and of it is still done, to be handed
    // on before the failure is thrown in its turn.
    void stopAfter(int unit)
    {
        m_last = std::min(m_last, unit);
        std::erase_if(m_parts, [&](const Job& j) { return j.unit > m_last; });
    }

private:
    int m_last; // the last unit to work on
    const int m_sharedFrom;
    std::deque<Job> m_parts;
    int m_nextUnit = 0;
};

} // namespace vexoria::cli::work
