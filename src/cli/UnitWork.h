#pragma once
// Drawing a batch of units (render DIR --all) or the routines of one (render
// UNIT --all) on every core, in worker processes forked from this one.
// Threads of one process gained 1.6 to 1.7 times the one-core throughput on
// two cores: each chart took longer beside another thread (another memory
// allocator won back part of that, so the allocator they share is among the
// causes). Processes gain 1.85 to 1.95 times. A worker that dies (a crash) ends the command with one line,
// in its turn, instead of taking it down without a word.
//
// A worker opens the next unit (reads it, splits it into routines), and a
// unit's parts (its routines) are drawn by the worker that opened it when
// they are few, or handed out a few at a time to every worker when they are
// many, so that no core waits long for the last large unit. No unit is
// opened while a part of one opened is waiting.
//
// The calling process receives what each unit and part gave one after the
// other, unit 0 first and its parts in order, as soon as each and every one
// before it is done: what it prints is the same, line for line, as when they
// are worked on one after the other, and it prints it as the work goes on.
#include <functional>

#include <QByteArray>
#include <QString>

namespace vexoria::cli {

struct UnitWork {
    // A unit of this many parts or more is shared out; one of fewer is done
    // whole by the worker that opened it. Each worker that does parts of a
    // unit opens it, and two processes that make files in one folder wait
    // for each other.
    int sharedFrom = 64;
    // In a worker: opens unit i and gives what the calling process is to
    // have of it; sets parts to how many parts it has.
    std::function<QByteArray(int unit, int& parts)> open;
    // In a worker: does part k of unit i, which that worker opened before
    // (a worker opens a unit again to do parts of one another opened).
    std::function<QByteArray(int unit, int part)> part;
    // In a worker: unit i gets no more parts there (what open kept of it
    // can go). A worker keeps a few units open at a time.
    std::function<void(int unit)> close;
    // In the calling process, in order.
    std::function<void(int unit, const QByteArray& opened)> opened;
    std::function<void(int unit, int part, const QByteArray& done)> partDone;
    std::function<void(int unit)> unitDone;
};

// The number of processes to work in: the cores this process may run on.
int workerCount();

// Runs the units' work in `workers` worker processes, or in this one when
// workers is 1. What open or part throws is thrown again from here in its
// turn, after the workers have stopped: std::bad_alloc as itself, anything
// else as std::runtime_error with its message; a worker that ends without
// its work done is reported that way too.
void runUnitsInOrder(int units, int workers, const UnitWork& work);

} // namespace vexoria::cli
