#pragma once
// Watching and stopping a build that runs off the window's thread. The window
// asks for a stop from its own thread; the stages look at the request at
// their cancellation points (as each stage starts, and once per row, block or
// character in their long loops) and unwind with BuildCancelled. Looking is
// one relaxed atomic read, and a build that is not stopped runs exactly as it
// does without a control.
#include <atomic>
#include <exception>

namespace vexoria {

// The stage a build is in, for the window's progress dialog.
enum class BuildStage { Classify, Size, Cut, Draw, Check, Connect, Legend };

class BuildCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "the build was cancelled"; }
};

class BuildControl {
public:
    void requestStop() { m_stop.store(true, std::memory_order_relaxed); }
    bool stopRequested() const { return m_stop.load(std::memory_order_relaxed); }

    void enter(BuildStage stage) { m_stage.store(static_cast<int>(stage), std::memory_order_relaxed); }
    BuildStage stage() const { return static_cast<BuildStage>(m_stage.load(std::memory_order_relaxed)); }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_stage{static_cast<int>(BuildStage::Classify)};
};

// A cancellation point: throws BuildCancelled when a stop was asked for.
inline void cancellationPoint(const BuildControl* control)
{
    if (control && control->stopRequested()) throw BuildCancelled();
}

} // namespace vexoria
