#include "app/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>

#include "app/ArrowAnimation.h"
#include "app/ChartLinks.h"
#include "app/CodeTab.h"
#include "app/DebugView.h"
#include "app/DiagramAnnotations.h"
#include "app/DiagramFind.h"
#include "app/DiagramTab.h"
#include "app/DiagramView.h"
#include "app/EditorFiles.h"
#include "app/EditorSession.h"
#include "app/PrintTab.h"
#include "app/SettingsPanel.h"
#include "app/SideBySide.h"
#include "app/TrayController.h"
#include "platform/settings/SettingsFile.h"
#include "platform/widgets/Desktop.h"
#include "platform/widgets/MessageBoxPrompter.h"

namespace vexoria {

namespace {

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, bool enabled)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setEnabled(enabled);
    return a;
}

} // namespace

MainWindow::MainWindow(Prompter* prompter, const QString& settingsPath, const Desktop* desktop, QWidget* parent)
    : QMainWindow(parent), m_settingsPath(settingsPath.isEmpty() ? settingsReadPath() : settingsPath),
      m_settingsPathGiven(!settingsPath.isEmpty())
{
    setObjectName(QStringLiteral("Myform"));
    setWindowTitle(QStringLiteral("Vexoria V 2.2"));
    resize(614, 467);
    move(101, 100);

    if (!prompter) {
        m_ownPrompter = std::make_unique<MessageBoxPrompter>(this);
        prompter = m_ownPrompter.get();
    }
    m_ws.prompter = prompter;
    m_builder = new BuildRunner(this);
    m_ws.settingsFile = QFileInfo(m_settingsPath).fileName();
    // The editor's code is kept beside a shema.ini given at creation, else in
    // the user's configuration folder, which the user can always write.
    m_sessionPath =
        editorSessionPath(m_settingsPathGiven ? QFileInfo(m_settingsPath).absolutePath() : userConfigFolder());

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pcontrol1"));
    setCentralWidget(m_tabs);
    buildCodeTab();
    buildDiagramTab();
    m_printTab = new PrintTab;
    m_tabs->addTab(m_codeTab, QStringLiteral("Код"));
    m_tabs->addTab(m_diagramTab, QStringLiteral("Диаграмма"));
    m_tabs->addTab(m_printTab, QStringLiteral("Печать"));
    m_sideBySide = new SideBySide(*m_tabs, *m_codeTab, *m_diagramTab, this);
    buildMenus();
    buildPrinting();
    buildIntake(desktop ? *desktop : Desktop{});
    connect(m_editorFiles, &EditorFiles::sourceChanged, this, &MainWindow::showSourceInTitle);

    m_animationTimer = new QTimer(this);
    m_animationTimer->setObjectName(QStringLiteral("Timer1"));
    m_animationTimer->setInterval(100);

    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        if (!m_programSwitch) onTabChanged();
    });

    loadWindowSettings();
    auto* animation = new ArrowAnimation(*this, *m_animationTimer, *m_diagramTab->view(), *settingsPanel);
    connect(m_actions.animationOn, &QAction::triggered, animation, &ArrowAnimation::switchAnimationOn);
    connect(m_actions.animationOff, &QAction::triggered, animation, &ArrowAnimation::switchAnimationOff);
    m_actions.animationOn->setEnabled(true);
    m_actions.animationOff->setEnabled(true);
    new DiagramAnnotations(*this, *m_diagramTab);
    new DebugView(*this, *m_codeTab);
    buildLinks();
    {
        const QScopedValueRollback<bool> guard(m_programSwitch, true);
        m_sideBySide->load(*layoutSettings());
    }
    m_actions.sideBySide->setChecked(m_sideBySide->isOn());
    m_find->setEditorBeside(m_sideBySide->isOn());
    connect(m_actions.sideBySide, &QAction::toggled, this, &MainWindow::setSideBySide);
}

void MainWindow::buildLinks()
{
    ChartLinks::Hooks hooks;
    hooks.chartOnShow = [this] { return chartOnShow(); };
    hooks.showCode = [this] {
        if (!m_sideBySide->isOn()) selectTab(WindowTab::Code);
    };
    m_links = new ChartLinks(m_ws, *m_codeTab->editor(), *m_diagramTab, std::move(hooks), this);
    m_find = new DiagramFind(*m_diagramTab, [this]() -> const std::vector<ChartBlock>& { return m_links->blocks(); });
    connect(m_links, &ChartLinks::chartReplaced, m_find, &DiagramFind::forgetMatch);
}

void MainWindow::setSideBySide(bool on)
{
    if (on == m_sideBySide->isOn()) return;
    {
        const QScopedValueRollback<bool> guard(m_programSwitch, true);
        m_sideBySide->setOn(on);
    }
    m_find->setEditorBeside(on);
    m_actions.sideBySide->setChecked(on);
    saveLayout();
    if (chartOnShow()) m_links->chartShown();
}

bool MainWindow::chartOnShow() const
{
    const QWidget* on = m_tabs->currentWidget();
    return on == m_diagramTab || (m_sideBySide->isOn() && on == m_sideBySide->page());
}

MainWindow::~MainWindow()
{
    // The tray's handlers use the desktop services, which go before the
    // window's children do.
    delete m_trayController;
}

void MainWindow::buildCodeTab()
{
    m_codeTab = new CodeTab(m_ws.prompter);
    settingsPanel = new SettingsPanel(m_state, m_codeTab);
    settingsPanel->hide();
    m_codeTab->placeSettingsPanel(settingsPanel);

    connect(m_codeTab->chartButton(), &QPushButton::clicked, this, &MainWindow::buildChart);
    connect(m_codeTab->exitButton(), &QPushButton::clicked, this, &MainWindow::exitFromButton);
    connect(m_codeTab->printButton(), &QPushButton::clicked, this, &MainWindow::printFromButton);
    connect(settingsPanel, &SettingsPanel::closeClicked, this, &MainWindow::closeSettings);
    connect(settingsPanel->animateBox, &QCheckBox::clicked, this, [this](bool on) { m_state.animationOn = on; });
    connect(settingsPanel->debugBox, &QCheckBox::toggled, m_codeTab->debugTableChoice(), &QWidget::setVisible);
}

void MainWindow::buildDiagramTab()
{
    m_diagramTab = new DiagramTab(m_ws, m_state);
    // "Далее" works from the keyboard on every tab, as the window's own.
    m_actions.nextPart = m_diagramTab->nextPartAction();
    addAction(m_actions.nextPart);
    connect(m_actions.nextPart, &QAction::triggered, this, &MainWindow::drawNextPart);
    // The diagram's zoom, in the status bar.
    auto* zoom = new QLabel(this);
    zoom->setObjectName(QStringLiteral("zoomLabel"));
    statusBar()->addPermanentWidget(zoom);
    const auto showZoom = [zoom](int percent) { zoom->setText(QStringLiteral("Масштаб: %1 %").arg(percent)); };
    showZoom(m_diagramTab->zoomPercent());
    connect(m_diagramTab, &DiagramTab::zoomChanged, this, showZoom);
    DiagramView* view = m_diagramTab->view();
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
        syncPartControls();
        m_diagramTab->menu()->popup(view->mapToGlobal(at));
    });
}

void MainWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("Файл"));
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    // The file and picture commands are enabled where they are connected
    // (buildIntake).
    m_actions.openText = menuItem(m_fileMenu, "Coed1", QStringLiteral("Открыть *.txt"), false);
    m_actions.openText->setShortcut(QKeySequence::Open);
    m_actions.openUnit = menuItem(m_fileMenu, "pas1", QStringLiteral("Открыть *.pas"), false);
    m_actions.saveText = menuItem(m_fileMenu, "txt1", QStringLiteral("Сохранить *.txt"), false);
    m_actions.saveText->setShortcut(QKeySequence::Save);
    m_fileMenu->addSeparator();
    m_actions.openPicture = menuItem(m_fileMenu, "bmp1", QStringLiteral("Открыть *.bmp"), false);
    m_actions.savePicture = menuItem(m_fileMenu, "bmp2", QStringLiteral("Сохранить *.bmp"), false);
    m_fileMenu->addSeparator();
    m_actions.settings = menuItem(m_fileMenu, "N14", QStringLiteral("Настройки"), true);
    m_actions.print = menuItem(m_fileMenu, "N12", QStringLiteral("Печать"), true);
    m_actions.print->setShortcut(QKeySequence::Print);
    m_fileMenu->addSeparator();
    m_actions.exit = menuItem(m_fileMenu, "N2", QStringLiteral("Выход"), true);
    m_actions.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    m_chartMenu = menuBar()->addMenu(QStringLiteral("Схема"));
    m_chartMenu->setObjectName(QStringLiteral("N23"));
    m_chartMenu->menuAction()->setEnabled(false);
    m_actions.pageMarkers = menuItem(m_chartMenu, "N24", QStringLiteral("Разметка страниц"), true);
    m_actions.labelLines = menuItem(m_chartMenu, "N25", QStringLiteral("Подписать линии"), true);
    m_animationMenu = m_chartMenu->addMenu(QStringLiteral("Анимация"));
    m_animationMenu->setObjectName(QStringLiteral("N26"));
    m_actions.animationOn = menuItem(m_animationMenu, "N27", QStringLiteral("Включить"), false);
    m_actions.animationOff = menuItem(m_animationMenu, "N28", QStringLiteral("Выключить"), false);
    m_actions.sideBySide = menuItem(m_chartMenu, "sideBySide", QStringLiteral("Код и схема рядом"), true);
    m_actions.sideBySide->setCheckable(true);
    // Its key works on every tab, the menu being off on the code tab.
    m_actions.sideBySide->setShortcut(QKeySequence(Qt::Key_F6));
    m_actions.sideBySide->setShortcutContext(Qt::WindowShortcut);
    addAction(m_actions.sideBySide);

    m_helpMenu = menuBar()->addMenu(QStringLiteral("Помощь"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));
    m_actions.about = menuItem(m_helpMenu, "N11", QStringLiteral("О программе"), true);
    m_actions.about->setShortcut(QKeySequence::HelpContents);

    // "Схема" is a button, not a menu item; its keys work on every tab.
    m_actions.schema = new QAction(QStringLiteral("Схема"), this);
    m_actions.schema->setObjectName(QStringLiteral("schemaShortcut"));
    m_actions.schema->setShortcuts({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_R)});
    m_actions.schema->setShortcutContext(Qt::WindowShortcut);
    addAction(m_actions.schema);

    connect(m_actions.settings, &QAction::triggered, this, &MainWindow::showSettings);
    connect(m_actions.exit, &QAction::triggered, this, &MainWindow::quit);
    connect(m_actions.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_actions.schema, &QAction::triggered, this, &MainWindow::buildChart);
}

void MainWindow::showAbout() { m_codeTab->showHelp(); }

void MainWindow::showSettings() { m_codeTab->showSettings(); }

WindowTab MainWindow::currentTab() const
{
    const QWidget* on = m_tabs->currentWidget();
    if (on == m_diagramTab || (m_sideBySide->isOn() && on == m_sideBySide->page())) return WindowTab::Diagram;
    if (on == m_printTab) return WindowTab::Print;
    return WindowTab::Code;
}

QWidget* MainWindow::page(WindowTab tab) const
{
    if (m_sideBySide->isOn() && tab != WindowTab::Print) return m_sideBySide->page();
    switch (tab) {
    case WindowTab::Diagram: return m_diagramTab;
    case WindowTab::Print: return m_printTab;
    case WindowTab::Code: break;
    }
    return m_codeTab;
}

void MainWindow::selectTab(WindowTab tab) { m_tabs->setCurrentWidget(page(tab)); }

QString MainWindow::code() const { return m_codeTab->code(); }

} // namespace vexoria
