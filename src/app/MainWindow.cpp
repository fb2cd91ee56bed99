#include "app/MainWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ArrowAnimation.h"
#include "app/CommentsGrid.h"
#include "app/DebugView.h"
#include "app/DiagramAnnotations.h"
#include "app/DiagramView.h"
#include "app/EditorFiles.h"
#include "app/EditorSession.h"
#include "app/HelpPanel.h"
#include "app/SettingsPanel.h"
#include "app/TrayController.h"
#include "platform/settings/SettingsFile.h"
#include "platform/widgets/Desktop.h"
#include "platform/widgets/MessageBoxPrompter.h"

namespace vexoria {

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, bool enabled)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setEnabled(enabled);
    return a;
}

} // namespace

MainWindow::MainWindow(Prompter* prompter, const QString& settingsPath, const Desktop* desktop, QWidget* parent)
    : QMainWindow(parent),
      m_settingsPath(settingsPath.isEmpty() ? settingsReadPath() : settingsPath),
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
    m_sessionPath = editorSessionPath(m_settingsPathGiven ? QFileInfo(m_settingsPath).absolutePath() : userConfigFolder());

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pcontrol1"));
    setCentralWidget(tabs);
    buildCodeTab();
    buildDiagramTab();
    printTab = new QWidget;
    printTab->setObjectName(QStringLiteral("Totch"));
    tabs->addTab(codeTab, QStringLiteral("Код"));
    tabs->addTab(diagramTab, QStringLiteral("Диаграмма"));
    tabs->addTab(printTab, QStringLiteral("Печать"));
    buildMenus();
    buildPrinting();
    buildIntake(desktop ? *desktop : Desktop{});
    connect(editorFiles, &EditorFiles::sourceChanged, this, &MainWindow::showSourceInTitle);

    animationTimer = new QTimer(this);
    animationTimer->setObjectName(QStringLiteral("Timer1"));
    animationTimer->setInterval(100);

    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (!m_programSwitch) onTabChanged();
    });

    loadWindowSettings();
    new ArrowAnimation(*this);
    new DiagramAnnotations(*this);
    new DebugView(*this);
}

MainWindow::~MainWindow()
{
    // The tray's handlers use the desktop services, which go before the
    // window's children do.
    delete trayController;
}

void MainWindow::buildCodeTab()
{
    codeTab = new QWidget;
    codeTab->setObjectName(QStringLiteral("tscod"));

    codeEditor = new QPlainTextEdit(codeTab);
    codeEditor->setObjectName(QStringLiteral("Rekod"));
    codeEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    codeEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont ef = codeEditor->font();
    ef.setPixelSize(13);
    codeEditor->setFont(ef);
    codeEditor->setMinimumSize(200, 120);

    chartButton = button("BitBtn3", QStringLiteral("Схема"), codeTab);
    chartButton->setToolTip(QStringLiteral("Построить блок-схему (F9)"));
    exitButton = button("BitBtn4", QStringLiteral("Выход"), codeTab);
    printButton = button("BitBtn5", QStringLiteral("Печать"), codeTab);

    printLayoutGroup = new QGroupBox(QStringLiteral("Печать"), codeTab);
    printLayoutGroup->setObjectName(QStringLiteral("RadioGroup1"));
    oneSheetButton = new QRadioButton(QStringLiteral("Уместить на одном листе"), printLayoutGroup);
    pagedButton = new QRadioButton(QStringLiteral("Авто формат"), printLayoutGroup);
    pagedButton->setChecked(true);
    auto* rg = new QVBoxLayout(printLayoutGroup);
    rg->setContentsMargins(6, 2, 6, 2);
    rg->setSpacing(0);
    rg->addWidget(oneSheetButton);
    rg->addWidget(pagedButton);

    debugTableChoice = new QComboBox(codeTab);
    debugTableChoice->setObjectName(QStringLiteral("ComboBox1"));
    debugTableChoice->addItems({QStringLiteral("N"), QStringLiteral("NOM"), QStringLiteral("FILTR"), QStringLiteral("Запись"),
                         QStringLiteral("Закрыть"), QStringLiteral("Комминт"), QStringLiteral("Стрелка")});
    debugTableChoice->setVisible(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chartButton);
    bottom->addWidget(exitButton);
    bottom->addWidget(debugTableChoice);
    bottom->addStretch();
    bottom->addWidget(printLayoutGroup);
    bottom->addWidget(printButton, 0, Qt::AlignBottom);

    // The routine queue's panel takes its place beside the editor
    // (buildIntake): the editor narrows while it shows, and no line of code
    // hides under it.
    editorRow = new QHBoxLayout;
    editorRow->addWidget(codeEditor, 1);

    auto* layout = new QVBoxLayout(codeTab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(editorRow, 1);
    layout->addLayout(bottom);

    // The overlays over the editor's area: they have no place in the layout
    // and follow the editor when the tab is resized. The routine list and
    // its panel come with the routine queue (buildIntake).
    commentsGrid = new CommentsGridView(codeTab);
    commentsGrid->setPrompter(m_ws.prompter);
    commentsGrid->hide();
    gridNavigator = new GridNavigator(commentsGrid, codeTab);
    gridNavigator->hide();

    helpPanel = new HelpPanel(codeTab);
    helpPanel->hide();
    settingsPanel = new SettingsPanel(m_state, codeTab);
    settingsPanel->hide();

    codeTab->installEventFilter(this);
    codeEditor->installEventFilter(this);

    connect(chartButton, &QPushButton::clicked, this, &MainWindow::buildChart);
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::exitFromButton);
    connect(printButton, &QPushButton::clicked, this, &MainWindow::printFromButton);
    connect(settingsPanel, &SettingsPanel::closeClicked, this, &MainWindow::closeSettings);
    connect(settingsPanel->animateBox, &QCheckBox::clicked, this, [this](bool on) { m_state.animationOn = on; });
    connect(settingsPanel->debugBox, &QCheckBox::toggled, debugTableChoice, &QWidget::setVisible);
}

void MainWindow::buildDiagramTab()
{
    diagramTab = new QWidget;
    diagramTab->setObjectName(QStringLiteral("tsdi"));
    diagramScroll = new QScrollArea(diagramTab);
    diagramScroll->setObjectName(QStringLiteral("ScrollBox1"));
    diagramScroll->setWidgetResizable(false);
    diagramHost = new QWidget;
    diagramView = new DiagramView(m_ws.diagram, diagramHost);
    diagramHost->resize(diagramView->geometry().right() + 1, diagramView->geometry().bottom() + 1);
    diagramScroll->setWidget(diagramHost);
    auto* layout = new QVBoxLayout(diagramTab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(diagramScroll);

    // The diagram's popup menu. "Далее" shows only while a chart built in
    // parts has a part left to draw.
    diagramMenu = new QMenu(this);
    diagramMenu->setObjectName(QStringLiteral("PopupMenu1"));
    nextPartAction = diagramMenu->addAction(QStringLiteral("Далее"));
    nextPartAction->setObjectName(QStringLiteral("N15"));
    nextPartAction->setShortcut(QKeySequence(Qt::Key_PageDown));
    nextPartAction->setShortcutContext(Qt::WindowShortcut);
    nextPartAction->setVisible(false);
    nextPartAction->setEnabled(false);
    addAction(nextPartAction);
    connect(nextPartAction, &QAction::triggered, this, &MainWindow::drawNextPart);
    diagramView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(diagramView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        syncPartControls();
        diagramMenu->popup(diagramView->mapToGlobal(at));
    });
}

void MainWindow::buildMenus()
{
    fileMenu = menuBar()->addMenu(QStringLiteral("Файл"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    // The file and picture commands are enabled where they are connected
    // (buildIntake).
    openTextAction = menuItem(fileMenu, "Coed1", QStringLiteral("Открыть *.txt"), false);
    openTextAction->setShortcut(QKeySequence::Open);
    openUnitAction = menuItem(fileMenu, "pas1", QStringLiteral("Открыть *.pas"), false);
    saveTextAction = menuItem(fileMenu, "txt1", QStringLiteral("Сохранить *.txt"), false);
    saveTextAction->setShortcut(QKeySequence::Save);
    fileMenu->addSeparator();
    openPictureAction = menuItem(fileMenu, "bmp1", QStringLiteral("Открыть *.bmp"), false);
    savePictureAction = menuItem(fileMenu, "bmp2", QStringLiteral("Сохранить *.bmp"), false);
    fileMenu->addSeparator();
    settingsAction = menuItem(fileMenu, "N14", QStringLiteral("Настройки"), true);
    printAction = menuItem(fileMenu, "N12", QStringLiteral("Печать"), true);
    printAction->setShortcut(QKeySequence::Print);
    fileMenu->addSeparator();
    exitAction = menuItem(fileMenu, "N2", QStringLiteral("Выход"), true);
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    chartMenu = menuBar()->addMenu(QStringLiteral("Схема"));
    chartMenu->setObjectName(QStringLiteral("N23"));
    chartMenu->menuAction()->setEnabled(false);
    pageMarkersAction = menuItem(chartMenu, "N24", QStringLiteral("Разметка страниц"), true);
    labelLinesAction = menuItem(chartMenu, "N25", QStringLiteral("Подписать линии"), true);
    animationMenu = chartMenu->addMenu(QStringLiteral("Анимация"));
    animationMenu->setObjectName(QStringLiteral("N26"));
    animationOnAction = menuItem(animationMenu, "N27", QStringLiteral("Включить"), false);
    animationOffAction = menuItem(animationMenu, "N28", QStringLiteral("Выключить"), false);

    helpMenu = menuBar()->addMenu(QStringLiteral("Помощь"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    aboutAction = menuItem(helpMenu, "N11", QStringLiteral("О программе"), true);
    aboutAction->setShortcut(QKeySequence::HelpContents);

    // "Схема" is a button, not a menu item; its keys work on every tab.
    schemaShortcut = new QAction(QStringLiteral("Схема"), this);
    schemaShortcut->setObjectName(QStringLiteral("schemaShortcut"));
    schemaShortcut->setShortcuts({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_R)});
    schemaShortcut->setShortcutContext(Qt::WindowShortcut);
    addAction(schemaShortcut);

    connect(settingsAction, &QAction::triggered, this, &MainWindow::showSettings);
    connect(exitAction, &QAction::triggered, this, &MainWindow::quit);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(schemaShortcut, &QAction::triggered, this, &MainWindow::buildChart);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e)
{
    if ((watched == codeTab || watched == codeEditor) && (e->type() == QEvent::Resize || e->type() == QEvent::Move))
        placeOverlays();
    return QMainWindow::eventFilter(watched, e);
}

void MainWindow::placeOverlays()
{
    const QRect editor = codeEditor->geometry();
    // The routine list takes the editor's place while it shows; its panel
    // is beside the editor, in the layout.
    routineList->setGeometry(editor);
    const int navHeight = gridNavigator->sizeHint().height();
    commentsGrid->setGeometry(editor.adjusted(0, 0, 0, -navHeight));
    gridNavigator->setGeometry(editor.left(), editor.bottom() - navHeight + 1, editor.width(), navHeight);
    helpPanel->setGeometry(editor.adjusted(8, 8, -8, -8));
    const QSize want = settingsPanel->sizeHint().boundedTo(codeTab->size());
    settingsPanel->setGeometry(QRect(editor.topLeft() + QPoint(8, 8), want).intersected(codeTab->rect()));
}

void MainWindow::showAbout()
{
    placeOverlays();
    helpPanel->raise();
    helpPanel->show();
}

void MainWindow::showSettings()
{
    placeOverlays();
    settingsPanel->show();
    settingsPanel->raise();
}

} // namespace vexoria
