#include "app/BuildRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "platform/drawing/DiagramFont.h"

namespace vexoria {

namespace {

// The stages' prompter while they run off the window's thread: each message
// and question is handed to the window's prompter on the window's thread,
// and the stage waits for it to be answered.
class ForwardingPrompter : public Prompter {
public:
    ForwardingPrompter(Prompter* target, QObject* windowThreadObject, std::function<void(bool)> asking)
        : m_target(target), m_context(windowThreadObject), m_asking(std::move(asking))
    {
    }

    void message(const QString& text) override
    {
        onWindowThread([&] { m_target->message(text); });
    }
    Answer question(const QString& title, const QString& text, Buttons buttons, Icon icon) override
    {
        Answer answer = Answer::Cancel;
        onWindowThread([&] { answer = m_target->question(title, text, buttons, icon); });
        return answer;
    }

private:
    template <class F>
    void onWindowThread(F f)
    {
        auto asked = [&] {
            m_asking(true);
            const auto done = qScopeGuard([&] { m_asking(false); });
            f();
        };
        if (QThread::currentThread() == m_context->thread()) asked();
        else QMetaObject::invokeMethod(m_context, asked, Qt::BlockingQueuedConnection);
    }

    Prompter* m_target;
    QObject* m_context;
    std::function<void(bool)> m_asking;
};

bool isUserInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::Drop: return true;
    default: return false;
    }
}

// Input may reach the topmost modal box (the progress dialog, or a question
// of the build) and nothing else.
bool reachesModalBox(QObject* target)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    if (auto* w = qobject_cast<QWidget*>(target)) return w->window() == modal;
    // The dialog's own shortcuts (Escape is its Cancel) are objects of it.
    if (auto* shortcut = qobject_cast<QShortcut*>(target))
        return shortcut->parentWidget() && shortcut->parentWidget()->window() == modal;
    if (auto* win = qobject_cast<QWindow*>(target)) return modal->windowHandle() == win;
    return false;
}

} // namespace

QString buildStageText(BuildStage stage)
{
    switch (stage) {
    case BuildStage::Classify: return QStringLiteral("Разбор кода");
    case BuildStage::Size: return QStringLiteral("Размеры блоков");
    case BuildStage::Cut: return QStringLiteral("Деление на части");
    case BuildStage::Draw: return QStringLiteral("Рисование блоков");
    case BuildStage::Check: return QStringLiteral("Проверка структуры");
    case BuildStage::Connect: return QStringLiteral("Соединения");
    case BuildStage::Legend: return QStringLiteral("Легенда");
    }
    return {};
}

BuildRunner::BuildRunner(QWidget* window) : QObject(window), m_window(window) {}

BuildRunner::~BuildRunner() = default;

bool BuildRunner::run(Workspace& ws, const Work& work)
{
    // The face is loaded here, before the worker first measures with it.
    diagramFont();

    BuildControl control;
    QProgressDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("buildProgress"));
    dialog.setWindowTitle(QStringLiteral("Построение схемы"));
    dialog.setLabelText(buildStageText(BuildStage::Classify) + QStringLiteral("…"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    dialog.setRange(0, 0);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    // The dialog shows when this runner says so, never on its own.
    dialog.setMinimumDuration(24 * 3600 * 1000);
    dialog.hide();

    QTimer showTimer;
    showTimer.setSingleShot(true);
    connect(&showTimer, &QTimer::timeout, &dialog, &QWidget::show);
    QTimer stageTimer;
    connect(&stageTimer, &QTimer::timeout, &dialog, [&] {
        if (!control.stopRequested()) dialog.setLabelText(buildStageText(control.stage()) + QStringLiteral("…"));
    });
    const auto stop = [&] {
        control.requestStop();
        dialog.setLabelText(QStringLiteral("Остановка…"));
        if (auto* button = dialog.findChild<QPushButton*>()) button->setEnabled(false);
    };
    connect(&dialog, &QProgressDialog::canceled, &dialog, stop);
    // Escape stops the build wherever it is pressed while the build runs
    // (see eventFilter), before the dialog shows as well as in it.
    connect(&dialog, &QDialog::rejected, &dialog, stop);
    m_stop = stop;

    // While a question or message waits for the user, the cursor is the
    // usual one and the progress dialog is out of the way: hidden if it was
    // on show, held back if it was not. A modal progress dialog over a modal
    // question would leave neither answerable. After the answer the dialog
    // comes back, when the build still runs a while.
    Prompter* target = ws.prompter;
    ForwardingPrompter forwarding(target, this, [&](bool asking) {
        if (asking) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
            showTimer.stop();
            dialog.hide();
        } else {
            QApplication::restoreOverrideCursor();
            if (!control.stopRequested()) showTimer.start(m_progressDelay);
        }
    });

    Workspace copy = ws;
    copy.prompter = ws.prompter ? &forwarding : nullptr;
    copy.control = &control;
    std::exception_ptr failure;
    QThread* worker = QThread::create([&] {
        try {
            work(copy);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    worker->setObjectName(QStringLiteral("vexoria build"));

    QEventLoop loop;
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    m_running = true;
    m_control = &control;
    m_dialog = &dialog;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    qApp->installEventFilter(this);
    const auto restore = qScopeGuard([&] {
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
        m_running = false;
        m_control = nullptr;
        m_stop = nullptr;
        m_dialog = nullptr;
        delete worker;
    });

    worker->start();
    showTimer.start(m_progressDelay);
    stageTimer.start(100);
    while (!worker->isFinished()) {
        loop.exec();
        // The application is quitting: the loop was told to end with the
        // worker still busy. It is stopped, and its questions are still
        // answered while it winds down.
        if (!worker->isFinished()) {
            control.requestStop();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }
    worker->wait();
    dialog.hide();

    if (control.stopRequested()) return false;
    Prompter* prompter = ws.prompter;
    Canvas* canvas = ws.canvasOverride;
    BuildControl* own = ws.control;
    ws = std::move(copy);
    ws.prompter = prompter;
    ws.canvasOverride = canvas;
    ws.control = own;
    if (failure) std::rethrow_exception(failure);
    return true;
}

bool BuildRunner::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Close && watched == m_window) {
        // Closing the window stops the build; the window closes after it.
        m_closeRequested = true;
        if (m_control) m_control->requestStop();
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && m_stop &&
        (!QApplication::activeModalWidget() || QApplication::activeModalWidget() == m_dialog)) {
        m_stop();
        return true;
    }
    if (isUserInput(e->type()) && !reachesModalBox(watched)) return true;
    return QObject::eventFilter(watched, e);
}

} // namespace vexoria
