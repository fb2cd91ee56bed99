#pragma once
// Runs the core work of a build ("Схема", "Далее") off the window's thread,
// so that the window stays alive however long the chart takes.
//
// The work runs on a worker thread on a copy of the window's workspace; the
// copy replaces the window's workspace only when the work has finished, so a
// cancelled build leaves the chart and the tables as they were. Meanwhile the
// window's thread runs an event loop of its own: it repaints, shows the busy
// cursor, and after a second a progress dialog with the stage the build is in
// and a Cancel button (Escape too). Input to the window is held back until
// the build has ended, as it was while a build ran on the window's thread.
//
// Questions and messages of the stages (the length question) reach the
// window's prompter on the window's thread through a blocking queued call:
// the stage waits for the answer exactly as it did when it ran on that
// thread, so no stage had to change, and every message box is still made on
// the thread that may make widgets.
#include <functional>

#include <QObject>

#include "pipeline/Workspace.h"

class QProgressDialog;

namespace vexoria {

class BuildRunner : public QObject {
    Q_OBJECT
public:
    explicit BuildRunner(QWidget* window);
    ~BuildRunner() override;

    using Work = std::function<void(Workspace&)>;

    // Runs work on a copy of ws off this thread and waits for it, keeping the
    // window alive. When the work ends, normally or with an exception, the
    // copy replaces ws (its prompter, control and canvas stay ws's own) and
    // the exception is thrown again here. Returns false, with ws untouched,
    // when the build was cancelled.
    bool run(Workspace& ws, const Work& work);

    bool running() const { return m_running; }
    // A close of the window asked for while a build ran: the build was
    // cancelled and the window is closed when run() has returned.
    bool closeRequested() const { return m_closeRequested; }

    // How long a build runs before the progress dialog shows (1000 ms).
    void setProgressDelay(int ms) { m_progressDelay = ms; }
    // The dialog while a build runs, else null.
    QProgressDialog* progressDialog() const { return m_dialog; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* m_window;
    int m_progressDelay = 1000;
    bool m_running = false;
    bool m_closeRequested = false;
    BuildControl* m_control = nullptr;
    std::function<void()> m_stop;
    QProgressDialog* m_dialog = nullptr;
};

// What the progress dialog says about a stage.
QString buildStageText(BuildStage stage);

} // namespace vexoria
