// The window's commands: creation and closing, the build pipeline behind
// "Схема", the tab rules and the settings panel's buttons.
#include <exception>
#include <new>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSettings>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include "app/ChartLinks.h"
#include "app/CodeTab.h"
#include "app/DiagramTab.h"
#include "app/DiagramView.h"
#include "app/EditorFiles.h"
#include "app/EditorSession.h"
#include "app/RoutineQueuePanel.h"
#include "app/SettingsPanel.h"
#include "app/SideBySide.h"
#include "app/MainWindow.h"
#include "app/WindowPlacement.h"
#include "pipeline/Pipeline.h"
#include "platform/text/ConversionError.h"
#include "platform/settings/SettingLimits.h"
#include "platform/settings/SettingsFile.h"

namespace vexoria {

namespace {
const QString kNothingToShow = QStringLiteral("Нет ни кода ни Блок-схемы");
// Beside a shema.ini given at creation: the window's layout.
const QString kLayoutFile = QStringLiteral("Vexoria.conf");
} // namespace

template <class F>
void MainWindow::runCommand(F&& f)
{
    try {
        f();
    } catch (const ConversionError& e) {
        prompter().message(e.message());
    } catch (const std::bad_alloc&) {
        prompter().message(QStringLiteral("Недостаточно памяти для схемы"));
    } catch (const std::exception& e) {
        prompter().message(QString::fromLocal8Bit(e.what()));
    }
    m_diagramTab->refresh();
}

// ---- creation and closing ----------------------------------------------

void MainWindow::loadWindowSettings()
{
    // The build context starts at its start values and the template table
    // is filled: the workspace was made with the window.
    if (settingsFileIsOdd(m_settingsPath)) {
        // A FIFO would hold the start until someone wrote into it, and a
        // folder has nothing to read: the window starts with its defaults.
        m_settingsFileOdd = true;
        prompter().message(QStringLiteral("%1 — не обычный файл (папка, канал или устройство). "
                                          "Настройки из него не прочитаны: взяты настройки по умолчанию.")
                               .arg(QDir::toNativeSeparators(m_settingsPath)));
    } else {
        loadSettingsFile(m_settingsPath, m_ws.settings);
    }
    applySettingsToControls();
    m_codeTab->debugTableChoice()->setVisible(settingsPanel->debugBox->isChecked());
    m_state.animationOn = settingsPanel->animateBox->isChecked();
    runCommand([this] { applyAnimationInterval(); });
    restoreEditorCode();
    // The window opens ready for code to be typed or pasted.
    m_codeTab->editor()->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (!keepEditorCode()) {
        e->ignore();
        return;
    }
    saveWindowSettings();
    saveLayout();
    e->accept();
}

std::unique_ptr<QSettings> MainWindow::layoutSettings() const
{
    if (m_settingsPathGiven)
        return std::make_unique<QSettings>(QDir(QFileInfo(m_settingsPath).absolutePath()).filePath(kLayoutFile),
                                           QSettings::IniFormat);
    // The program names no organisation of its own: its name stands for it,
    // and the file goes beside shema.ini in the user's configuration folder.
    const QString program = QCoreApplication::applicationName();
    const QString organisation = QCoreApplication::organizationName();
    return std::make_unique<QSettings>(organisation.isEmpty() ? program : organisation, program);
}

void MainWindow::saveLayout()
{
    const std::unique_ptr<QSettings> settings = layoutSettings();
    m_sideBySide->save(*settings);
}

bool MainWindow::keepEditorCode()
{
    const EditorSession session = m_editorFiles->session();
    // An empty editor with nothing kept before makes no file.
    if (session.code.isEmpty() && session.sourcePath.isEmpty() && !QFileInfo::exists(m_sessionPath)) return true;
    QString error;
    if (writeEditorSession(m_sessionPath, session, &error)) return true;
    // The user was told and closes again: the window goes without the code.
    if (m_codeNotKeptTold) return true;
    m_codeNotKeptTold = true;
    prompter().message(QStringLiteral("Код из редактора не удалось сохранить до следующего запуска:\n%1\n\n"
                                      "Сохраните его в файл (Файл → Сохранить *.txt) или закройте окно ещё раз: "
                                      "тогда программа закроется без него.")
                           .arg(error));
    return false;
}

void MainWindow::restoreEditorCode()
{
    if (const auto session = readEditorSession(m_sessionPath)) m_editorFiles->restore(*session);
}

void MainWindow::showSourceInTitle(const QString& path)
{
    const QString program = QStringLiteral("Vexoria V 2.2");
    setWindowTitle(path.isEmpty() ? program : QStringLiteral("%1 — %2").arg(program, QFileInfo(path).fileName()));
}

void MainWindow::saveWindowSettings()
{
    syncSettingsFromControls();
    m_ws.settings.windowTop = y();
    m_ws.settings.windowLeft = x();
    // A path given at creation is the one file for both; otherwise the file
    // goes where it can be written.
    const QString path = m_settingsPathGiven ? m_settingsPath : settingsWritePath();
    // What is not a regular file is not replaced by one; the user was told
    // at start, or is told now.
    if (settingsFileIsOdd(path)) {
        if (!m_settingsFileOdd)
            prompter().message(
                QStringLiteral("%1 — не обычный файл: настройки не записаны.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!saveSettingsFile(path, m_ws.settings))
        prompter().message(QStringLiteral("Не удалось записать файл настроек %1").arg(path));
}

void MainWindow::applySettingsToControls()
{
    const Settings& s = m_ws.settings;
    settingsPanel->fromSettings(s);
    // Two unset buttons are a state the group allows only when it is not
    // exclusive for the moment of setting them.
    m_queueChoice->setExclusive(false);
    m_queuePanel->buildAtOnceButton->setChecked(s.queueBuildsAtOnce && !s.queuePreviews);
    m_queuePanel->previewButton->setChecked(s.queuePreviews);
    m_queueChoice->setExclusive(true);
    move(onScreenPosition(QPoint(s.windowLeft, s.windowTop), size()));
}

void MainWindow::syncSettingsFromControls()
{
    settingsPanel->toSettings(m_ws.settings);
    m_ws.settings.queueBuildsAtOnce = m_queuePanel->buildAtOnceButton->isChecked();
    m_ws.settings.queuePreviews = m_queuePanel->previewButton->isChecked();
}

void MainWindow::applyAnimationInterval()
{
    // A value out of its range, like one that is not a number, is reported:
    // the timer keeps the interval it has.
    const QString problem = settingsPanel->valueProblem("eani");
    if (!problem.isEmpty()) {
        prompter().message(problem);
        return;
    }
    m_animationTimer->setInterval(settingsPanel->animationIntervalEdit->text().trimmed().toInt());
}

bool MainWindow::refuseBuildSettings()
{
    // The panel names the field as the user sees it; the stages check the
    // same values again against the file's keys.
    const QString problem = settingsPanel->buildValueProblem();
    if (problem.isEmpty()) return false;
    prompter().message(problem);
    return true;
}

void MainWindow::quit()
{
    // A window that stays open (the editor's code could not be kept, or a
    // build is stopping first) keeps its tables.
    if (!close()) return;
    m_ws.templates.close();
    m_ws.statements.close();
    m_queueState.unitLines.reset();
}

void MainWindow::exitFromButton() { quit(); }

void MainWindow::closeSettings()
{
    // The panel does not take a value no chart can use: it stays open on
    // that field and says why.
    const QString problem = settingsPanel->refuseUnusableValue();
    if (!problem.isEmpty()) {
        prompter().message(problem);
        return;
    }
    settingsPanel->hide();
    runCommand([this] { applyAnimationInterval(); });
}

// ---- the build pipeline --------------------------------------------------

void MainWindow::buildChart()
{
    runCommand([this] { runPipeline(); });
}

bool MainWindow::runBuild(const BuildRunner::Work& work)
{
    // Animation ticks wait while a build runs, as they did when the build
    // held the window's thread: the chart on show stays as it was until the
    // new one replaces it, or for good when the build is cancelled.
    const bool ticking = m_animationTimer->isActive();
    m_animationTimer->stop();
    const auto after = qScopeGuard([&] {
        if (ticking) m_animationTimer->start();
        if (m_builder->closeRequested()) QTimer::singleShot(0, this, &QWidget::close);
    });
    return m_builder->run(m_ws, work);
}

void MainWindow::runPipeline()
{
    // A build asked for while one runs (from a timer or the tray) waits for
    // no one: the first build goes on.
    if (m_builder->running()) return;
    QueueState& queue = m_queueState;
    syncSettingsFromControls();
    // A setting no chart can use stops the build before anything changes.
    if (refuseBuildSettings()) return;

    // 1. The animation starts with every build when it is switched on (the
    //    scrolling view is always double-buffered here).
    if (settingsPanel->animateBox->isChecked()) {
        m_state.animationOn = true;
        m_state.animStep = 0;
    }
    // 2, 3.
    m_chartMenu->menuAction()->setEnabled(true);
    m_diagramTab->scrollToTop();

    // 4. The second press while the comments grid is on show draws from the
    //    table as the user left it, without classifying again.
    const bool fromGrid = m_state.gridShown;
    if (fromGrid) {
        hideCommentsGrid();
    } else if (queue.fetchBeforeBuild) {
        // 5.2
        if (m_codeTab->routineList()->isVisible()) m_codeTab->routineList()->hide();
        fetchNextRoutine();
        queue.fetchBeforeBuild = false;
        if (m_queuePanel->previewButton->isChecked() || queue.queueExhausted) return;
    }
    const bool gridFirst = !fromGrid && settingsPanel->reviewCommentsBox->isChecked();
    const QString code = fromGrid ? QString() : m_codeTab->code();
    if (!fromGrid) m_links->codeRead();

    // The stages run off the window's thread on a workspace of their own,
    // which replaces the window's when they finished. 5.1 is part of it, so
    // a cancelled build keeps "Далее" for the chart still on show.
    bool built = false;
    const bool finished = runBuild([&](Workspace& ws) {
        if (!fromGrid) {
            ws.parts = PartPlan{};
            ws.codeText = code;
            classifyCode(ws);
            // 5.5 The comments grid first: nothing is drawn yet.
            if (gridFirst) return;
        }
        // 6 to 8.
        built = drawChart(ws);
    });
    if (!finished) {
        if (fromGrid) showCommentsGrid();
        else m_links->buildCancelled();
        return;
    }
    // Sizing that stopped the build (a chart too long, the question
    // cancelled, part 1 of a chart built in parts) stops the arrows.
    if (!gridFirst && !built) m_state.animationOn = false;
    if (gridFirst) {
        m_diagramTab->view()->refresh();
        showCommentsGrid();
        return;
    }
    // The first part of a chart built in parts shows all the same.
    showDiagramResult();
    if (!built) return;
    // 9, 10.
    maximiseIfNormal();
    queue.fetchBeforeBuild = !queue.editorHoldsOwnCode;
}

void MainWindow::showCommentsGrid()
{
    m_codeTab->showCommentsGrid(&m_ws.statements);
    m_state.gridShown = true;
}

void MainWindow::hideCommentsGrid()
{
    m_codeTab->hideCommentsGrid();
    m_state.gridShown = false;
}

void MainWindow::syncPartControls()
{
    m_actions.nextPart->setVisible(m_ws.parts.nextPartAvailable());
    m_actions.nextPart->setEnabled(m_ws.parts.nextPartAvailable());
}

void MainWindow::drawNextPart()
{
    if (!m_ws.parts.nextPartAvailable()) return;
    if (m_builder->running()) return;
    runCommand([this] {
        syncSettingsFromControls();
        if (refuseBuildSettings()) return;
        if (!runBuild([](Workspace& ws) { vexoria::drawNextPart(ws); })) return;
        // After "Далее" the next "Схема" fetches the next queued routine.
        m_queueState.fetchBeforeBuild = true;
        m_diagramTab->scrollToTop();
    });
    showDiagramResult();
}

void MainWindow::showDiagramResult()
{
    syncPartControls();
    m_diagramTab->refresh();
    // The connections stage ends by showing the diagram; a build that drew
    // nothing stays where it is.
    if (m_ws.diagram.hasPicture()) showTab(WindowTab::Diagram);
    // A chart starts at its top; beside the code it follows the caret at once.
    m_links->chartDrawn(m_sideBySide->isOn());
}

void MainWindow::fetchNextRoutine() { m_queuePanel->fetchNextRoutine(); }

// ---- tabs and window state ----------------------------------------------

void MainWindow::showTab(WindowTab tab)
{
    const QScopedValueRollback<bool> guard(m_programSwitch, true);
    m_tabs->setCurrentWidget(page(tab));
}

void MainWindow::maximiseIfNormal()
{
    const Qt::WindowStates s = windowState();
    if (!(s & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        setWindowState(s | Qt::WindowMaximized);
}

void MainWindow::setStateNormal()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void MainWindow::onTabChanged()
{
    // The code and the chart side by side need none of the rules: both are
    // on show.
    if (m_sideBySide->isOn() && m_tabs->currentWidget() == m_sideBySide->page()) {
        m_links->chartShown();
        return;
    }
    // The rules are tested one after the other, each on the tab that is
    // active at that moment: a rule may switch back to the code tab, and the
    // rules after it then see that tab.
    runCommand([this] {
        if (currentTab() == WindowTab::Diagram)
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);

        if (currentTab() == WindowTab::Code) {
            // The page markers are out of sight with the diagram tab. Their
            // places stay: the print button on this tab cuts the pages there.
            m_chartMenu->menuAction()->setEnabled(false);
            m_state.animationOn = false;
            m_state.animStep = 0;
            setStateNormal();
        }

        if (currentTab() == WindowTab::Print) {
            if (m_codeTab->hasLines() || m_ws.diagram.hasPicture()) {
                if (!m_ws.diagram.hasPicture()) runPipeline();
                printFromButton();
            } else {
                prompter().message(kNothingToShow);
                showTab(WindowTab::Code);
                setStateNormal();
            }
        }

        if (currentTab() == WindowTab::Diagram) {
            if (!m_codeTab->hasLines() && !m_ws.diagram.hasPicture()) {
                prompter().message(kNothingToShow);
                showTab(WindowTab::Code);
                setStateNormal();
            } else if (!m_ws.diagram.hasPicture()) {
                runPipeline();
            }
        }
    });
    if (chartOnShow()) m_links->chartShown();
}

} // namespace vexoria
