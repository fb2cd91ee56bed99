// The window's commands: creation and closing, the build pipeline behind
// "Схема", the tab rules and the settings panel's buttons.
#include <exception>
#include <new>

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include "app/CommentsGrid.h"
#include "app/DiagramView.h"
#include "app/EditorFiles.h"
#include "app/EditorSession.h"
#include "app/PageMarkersView.h"
#include "app/RoutineQueuePanel.h"
#include "app/SettingsPanel.h"
#include "app/Uvexoria.h"
#include "app/WindowPlacement.h"
#include "pipeline/Stages.h"
#include "pipeline/Pipeline.h"
#include "platform/core/ConversionError.h"
#include "platform/core/SettingLimits.h"
#include "platform/core/SettingsFile.h"
#include "platform/core/TextCodec.h"

namespace vexoria {

namespace {
const QString kNothingToShow = QStringLiteral("Нет ни кода ни Блок-схемы");
}

template <class F>
void TMyform::runCommand(F&& f)
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
    Idiag1->refresh();
    diagramHost->resize(Idiag1->geometry().right() + 1, Idiag1->geometry().bottom() + 1);
    pageMarkers->sync();
}

// ---- creation and closing ----------------------------------------------

void TMyform::FormCreate()
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
    ComboBox1->setVisible(Panel3->CBotl->isChecked());
    m_ws.ctx.animOn = Panel3->Cbanime->isChecked() ? 1 : 0;
    runCommand([this] { setTimerIntervalFromEani(); });
    restoreEditorCode();
    // The window opens ready for code to be typed or pasted.
    Rekod->setFocus();
}

void TMyform::closeEvent(QCloseEvent* e)
{
    if (!keepEditorCode()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

bool TMyform::keepEditorCode()
{
    const EditorSession session = editorFiles->session();
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

void TMyform::restoreEditorCode()
{
    if (const auto session = readEditorSession(m_sessionPath)) editorFiles->restore(*session);
}

void TMyform::showSourceInTitle(const QString& path)
{
    const QString program = QStringLiteral("Vexoria V 2.2");
    setWindowTitle(path.isEmpty() ? program : QStringLiteral("%1 — %2").arg(program, QFileInfo(path).fileName()));
}

void TMyform::FormClose()
{
    syncSettingsFromControls();
    m_ws.settings.myformtop = y();
    m_ws.settings.myformleft = x();
    // A path given at creation is the one file for both; otherwise the file
    // goes where it can be written.
    const QString path = m_settingsPathGiven ? m_settingsPath : settingsWritePath();
    // What is not a regular file is not replaced by one; the user was told
    // at start, or is told now.
    if (settingsFileIsOdd(path)) {
        if (!m_settingsFileOdd)
            prompter().message(QStringLiteral("%1 — не обычный файл: настройки не записаны.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!saveSettingsFile(path, m_ws.settings))
        prompter().message(QStringLiteral("Не удалось записать файл настроек %1").arg(path));
}

void TMyform::applySettingsToControls()
{
    const Settings& s = m_ws.settings;
    Panel3->fromSettings(s);
    // Two unset buttons are a state the group allows only when it is not
    // exclusive for the moment of setting them.
    m_queueChoice->setExclusive(false);
    RadioButton1->setChecked(s.radiobutton1 && !s.radiobutton2);
    RadioButton2->setChecked(s.radiobutton2);
    m_queueChoice->setExclusive(true);
    move(onScreenPosition(QPoint(s.myformleft, s.myformtop), size()));
}

void TMyform::syncSettingsFromControls()
{
    Panel3->toSettings(m_ws.settings);
    m_ws.settings.radiobutton1 = RadioButton1->isChecked();
    m_ws.settings.radiobutton2 = RadioButton2->isChecked();
}

void TMyform::setTimerIntervalFromEani()
{
    // A value out of its range, like one that is not a number, is reported:
    // the timer keeps the interval it has.
    const QString problem = Panel3->valueProblem("eani");
    if (!problem.isEmpty()) {
        prompter().message(problem);
        return;
    }
    Timer1->setInterval(Panel3->Eani->text().trimmed().toInt());
}

bool TMyform::refuseBuildSettings()
{
    // The panel names the field as the user sees it; the stages check the
    // same values again against the file's keys.
    const QString problem = Panel3->buildValueProblem();
    if (problem.isEmpty()) return false;
    prompter().message(problem);
    return true;
}

void TMyform::N2Click()
{
    // A window that stays open (the editor's code could not be kept, or a
    // build is stopping first) keeps its tables.
    if (!close()) return;
    m_ws.tvobject.close();
    m_ws.tstrok.close();
    m_ws.ctx.unitLines.reset();
}

void TMyform::BitBtn4Click()
{
    N2Click();
}

void TMyform::Button2Click()
{
    // The panel does not take a value no chart can use: it stays open on
    // that field and says why.
    const QString problem = Panel3->refuseUnusableValue();
    if (!problem.isEmpty()) {
        prompter().message(problem);
        return;
    }
    Panel3->hide();
    runCommand([this] { setTimerIntervalFromEani(); });
}

// ---- the build pipeline --------------------------------------------------

void TMyform::BitBtn3Click()
{
    runCommand([this] { runPipeline(); });
}

bool TMyform::runBuild(const BuildRunner::Work& work)
{
    // Animation ticks wait while a build runs, as they did when the build
    // held the window's thread: the chart on show stays as it was until the
    // new one replaces it, or for good when the build is cancelled.
    const bool ticking = Timer1->isActive();
    Timer1->stop();
    const auto after = qScopeGuard([&] {
        if (ticking) Timer1->start();
        if (m_builder->closeRequested()) QTimer::singleShot(0, this, &QWidget::close);
    });
    return m_builder->run(m_ws, work);
}

void TMyform::runPipeline()
{
    // A build asked for while one runs (from a timer or the tray) waits for
    // no one: the first build goes on.
    if (m_builder->running()) return;
    BuildContext& c = m_ws.ctx;
    syncSettingsFromControls();
    // A setting no chart can use stops the build before anything changes.
    if (refuseBuildSettings()) return;

    // 1. The animation starts with every build when it is switched on (the
    //    scrolling view is always double-buffered here).
    if (Panel3->Cbanime->isChecked()) {
        c.animOn = 1;
        c.animStep = 0;
    }
    // 2, 3.
    N23->menuAction()->setEnabled(true);
    ScrollBox1->verticalScrollBar()->setValue(0);

    // 4. The second press while the comments grid is on show draws from the
    //    table as the user left it, without classifying again.
    const bool fromGrid = c.gridShown == 1;
    if (fromGrid) {
        hideCommentsGrid();
    } else if (c.fetchNext == 1) {
        // 5.2
        if (Clb1->isVisible()) Clb1->hide();
        Apas();
        c.fetchNext = 0;
        if (RadioButton2->isChecked() || c.queueDone == 1) return;
    }
    const bool gridFirst = !fromGrid && Panel3->Cbpredkom->isChecked();
    const QString code = fromGrid ? QString() : editorText();

    // The stages run off the window's thread on a workspace of their own,
    // which replaces the window's when they finished. 5.1 is part of it, so
    // a cancelled build keeps "Далее" for the chart still on show.
    bool built = false;
    const bool finished = runBuild([&](Workspace& ws) {
        if (!fromGrid) {
            ws.ctx.sizingAbort = 0;
            ws.ctx.secondPartMode = 0;
            ws.ctx.thirdPartMode = 0;
            ws.n15Visible = false;
            ws.codeText = code;
            classifyCode(ws);
            // 5.5 The comments grid first: nothing is drawn yet.
            if (gridFirst) return;
        }
        // 6 to 8; sizing that stops the build has already switched the
        // animation off.
        built = drawChart(ws);
    });
    if (!finished) {
        if (fromGrid) showCommentsGrid();
        return;
    }
    if (gridFirst) {
        Idiag1->refresh();
        showCommentsGrid();
        return;
    }
    // The first part of a chart built in parts shows all the same.
    showDiagramResult();
    if (!built) return;
    // 9, 10.
    maximiseIfNormal();
    c.fetchNext = c.ownCode != 1 ? 1 : 0;
}

void TMyform::showCommentsGrid()
{
    DBGrid1->raise();
    DBGrid1->show();
    DBGrid1->bindTable(&m_ws.tstrok);
    DBNavigator1->show();
    DBNavigator1->raise();
    m_ws.ctx.gridShown = 1;
}

void TMyform::hideCommentsGrid()
{
    // A cell still being edited is stored, as leaving the grid does.
    DBGrid1->post();
    DBGrid1->unbind();
    DBGrid1->lower();
    DBGrid1->hide();
    m_ws.ctx.gridShown = 0;
    DBNavigator1->hide();
}

void TMyform::syncPartControls()
{
    N15->setVisible(m_ws.n15Visible);
    N15->setEnabled(m_ws.n15Visible);
}

void TMyform::N15Click()
{
    if (!m_ws.n15Visible) return;
    if (m_builder->running()) return;
    runCommand([this] {
        syncSettingsFromControls();
        if (refuseBuildSettings()) return;
        if (!runBuild([](Workspace& ws) { vexoria::N15Click(ws); })) return;
        ScrollBox1->verticalScrollBar()->setValue(0);
    });
    showDiagramResult();
}

void TMyform::showDiagramResult()
{
    syncPartControls();
    Idiag1->refresh();
    diagramHost->resize(Idiag1->geometry().right() + 1, Idiag1->geometry().bottom() + 1);
    pageMarkers->sync();
    // The connections stage ends by showing the diagram; a build that drew
    // nothing stays where it is.
    if (m_ws.diagram.hasPicture()) showTab(tsdi);
}

void TMyform::Apas()
{
    queuePanel->Apas();
}

// ---- tabs and window state ----------------------------------------------

QString TMyform::editorText() const
{
    // The raw text keeps what the user typed: toPlainText() would turn a
    // non-breaking space into a blank, which the classifier must not see as
    // one. Paragraph and line separators are the editor's line breaks.
    QString text = Rekod->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return classifierText(text);
}

bool TMyform::editorHasLines() const
{
    return !Rekod->document()->isEmpty();
}

void TMyform::showTab(QWidget* page)
{
    const QScopedValueRollback<bool> guard(m_programSwitch, true);
    pcontrol1->setCurrentWidget(page);
}

void TMyform::maximiseIfNormal()
{
    const Qt::WindowStates s = windowState();
    if (!(s & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        setWindowState(s | Qt::WindowMaximized);
}

void TMyform::setStateNormal()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void TMyform::pcontrol1Change()
{
    // The rules are tested one after the other, each on the tab that is
    // active at that moment: a rule may switch back to the code tab, and the
    // rules after it then see that tab.
    runCommand([this] {
        if (pcontrol1->currentWidget() == tsdi) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);

        if (pcontrol1->currentWidget() == tscod) {
            // The page markers are out of sight with the diagram tab. Their
            // places stay: the print button on this tab cuts the pages there.
            N23->menuAction()->setEnabled(false);
            m_ws.ctx.animOn = 0;
            m_ws.ctx.animStep = 0;
            setStateNormal();
        }

        if (pcontrol1->currentWidget() == Totch) {
            if (editorHasLines() || m_ws.diagram.hasPicture()) {
                if (!m_ws.diagram.hasPicture()) runPipeline();
                BitBtn5Click();
            } else {
                prompter().message(kNothingToShow);
                showTab(tscod);
                setStateNormal();
            }
        }

        if (pcontrol1->currentWidget() == tsdi) {
            if (!editorHasLines() && !m_ws.diagram.hasPicture()) {
                prompter().message(kNothingToShow);
                showTab(tscod);
                setStateNormal();
            } else if (!m_ws.diagram.hasPicture()) {
                runPipeline();
            }
        }
    });
}

} // namespace vexoria
