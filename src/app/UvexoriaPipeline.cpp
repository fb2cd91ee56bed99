// The window's commands: creation and closing, the build pipeline behind
// "Схема", the tab rules and the settings panel's buttons.
#include <exception>
#include <new>

#include <QCloseEvent>
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
    loadSettingsFile(m_settingsPath, m_ws.settings);
    applySettingsToControls();
    ComboBox1->setVisible(Panel3->CBotl->isChecked());
    m_ws.ctx.animOn = Panel3->Cbanime->isChecked() ? 1 : 0;
    runCommand([this] { setTimerIntervalFromEani(); });
}

void TMyform::closeEvent(QCloseEvent* e)
{
    FormClose();
    e->accept();
}

void TMyform::FormClose()
{
    syncSettingsFromControls();
    m_ws.settings.myformtop = y();
    m_ws.settings.myformleft = x();
    // A path given at creation is the one file for both; otherwise the file
    // goes where it can be written.
    const QString path = m_settingsPathGiven ? m_settingsPath : settingsWritePath();
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
    // A value out of its range, like one that is not a number, throws: the
    // timer keeps the interval it has.
    Settings s;
    s.eani = Panel3->Eani->text();
    Timer1->setInterval(checkedSetting(s, numericSetting("eani"), m_ws.settingsFile));
}

void TMyform::N2Click()
{
    m_ws.tvobject.close();
    m_ws.tstrok.close();
    close();
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
    const QString problem = Panel3->refuseUnusableValue(m_ws.settingsFile);
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
    checkBuildSettings(m_ws.settings, m_ws.settingsFile);

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
        checkBuildSettings(m_ws.settings, m_ws.settingsFile);
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
