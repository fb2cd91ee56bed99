#include "app/Uvexoria.h"

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
#include "platform/core/SettingsFile.h"
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

TMyform::TMyform(Prompter* prompter, const QString& settingsPath, const Desktop* desktop, QWidget* parent)
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

    pcontrol1 = new QTabWidget(this);
    pcontrol1->setObjectName(QStringLiteral("pcontrol1"));
    setCentralWidget(pcontrol1);
    buildCodeTab();
    buildDiagramTab();
    Totch = new QWidget;
    Totch->setObjectName(QStringLiteral("Totch"));
    pcontrol1->addTab(tscod, QStringLiteral("Код"));
    pcontrol1->addTab(tsdi, QStringLiteral("Диаграмма"));
    pcontrol1->addTab(Totch, QStringLiteral("Печать"));
    buildMenus();
    buildPrinting();
    buildIntake(desktop ? *desktop : Desktop{});
    connect(editorFiles, &EditorFiles::sourceChanged, this, &TMyform::showSourceInTitle);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    connect(pcontrol1, &QTabWidget::currentChanged, this, [this] {
        if (!m_programSwitch) pcontrol1Change();
    });

    FormCreate();
    new ArrowAnimation(*this);
    new DiagramAnnotations(*this);
    new DebugView(*this);
}

TMyform::~TMyform()
{
    // The tray's handlers use the desktop services, which go before the
    // window's children do.
    delete trayController;
}

void TMyform::buildCodeTab()
{
    tscod = new QWidget;
    tscod->setObjectName(QStringLiteral("tscod"));

    Rekod = new QPlainTextEdit(tscod);
    Rekod->setObjectName(QStringLiteral("Rekod"));
    Rekod->setLineWrapMode(QPlainTextEdit::NoWrap);
    Rekod->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Rekod->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont ef = Rekod->font();
    ef.setPixelSize(13);
    Rekod->setFont(ef);
    Rekod->setMinimumSize(200, 120);

    BitBtn3 = button("BitBtn3", QStringLiteral("Схема"), tscod);
    BitBtn3->setToolTip(QStringLiteral("Построить блок-схему (F9)"));
    BitBtn4 = button("BitBtn4", QStringLiteral("Выход"), tscod);
    BitBtn5 = button("BitBtn5", QStringLiteral("Печать"), tscod);

    RadioGroup1 = new QGroupBox(QStringLiteral("Печать"), tscod);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1Item1 = new QRadioButton(QStringLiteral("Уместить на одном листе"), RadioGroup1);
    RadioGroup1Item2 = new QRadioButton(QStringLiteral("Авто формат"), RadioGroup1);
    RadioGroup1Item2->setChecked(true);
    auto* rg = new QVBoxLayout(RadioGroup1);
    rg->setContentsMargins(6, 2, 6, 2);
    rg->setSpacing(0);
    rg->addWidget(RadioGroup1Item1);
    rg->addWidget(RadioGroup1Item2);

    ComboBox1 = new QComboBox(tscod);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("N"), QStringLiteral("NOM"), QStringLiteral("FILTR"), QStringLiteral("Запись"),
                         QStringLiteral("Закрыть"), QStringLiteral("Комминт"), QStringLiteral("Стрелка")});
    ComboBox1->setVisible(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BitBtn3);
    bottom->addWidget(BitBtn4);
    bottom->addWidget(ComboBox1);
    bottom->addStretch();
    bottom->addWidget(RadioGroup1);
    bottom->addWidget(BitBtn5, 0, Qt::AlignBottom);

    // The routine queue's panel takes its place beside the editor
    // (buildIntake): the editor narrows while it shows, and no line of code
    // hides under it.
    editorRow = new QHBoxLayout;
    editorRow->addWidget(Rekod, 1);

    auto* layout = new QVBoxLayout(tscod);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(editorRow, 1);
    layout->addLayout(bottom);

    // The overlays over the editor's area: they have no place in the layout
    // and follow the editor when the tab is resized. The routine list and
    // its panel come with the routine queue (buildIntake).
    DBGrid1 = new CommentsGridView(tscod);
    DBGrid1->setPrompter(m_ws.prompter);
    DBGrid1->hide();
    DBNavigator1 = new DbNavigator(DBGrid1, tscod);
    DBNavigator1->hide();

    Panel2 = new HelpPanel(tscod);
    Panel2->hide();
    Panel3 = new SettingsPanel(m_ws.ctx, tscod);
    Panel3->hide();

    tscod->installEventFilter(this);
    Rekod->installEventFilter(this);

    connect(BitBtn3, &QPushButton::clicked, this, &TMyform::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TMyform::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TMyform::BitBtn5Click);
    connect(Panel3, &SettingsPanel::closeClicked, this, &TMyform::Button2Click);
    connect(Panel3->Cbanime, &QCheckBox::clicked, this, [this](bool on) { m_ws.ctx.animOn = on ? 1 : 0; });
    connect(Panel3->CBotl, &QCheckBox::toggled, ComboBox1, &QWidget::setVisible);
}

void TMyform::buildDiagramTab()
{
    tsdi = new QWidget;
    tsdi->setObjectName(QStringLiteral("tsdi"));
    ScrollBox1 = new QScrollArea(tsdi);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    diagramHost = new QWidget;
    Idiag1 = new DiagramView(m_ws.diagram, diagramHost);
    diagramHost->resize(Idiag1->geometry().right() + 1, Idiag1->geometry().bottom() + 1);
    ScrollBox1->setWidget(diagramHost);
    auto* layout = new QVBoxLayout(tsdi);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox1);

    // The diagram's popup menu. "Далее" shows only while a chart built in
    // parts has a part left to draw.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N15 = PopupMenu1->addAction(QStringLiteral("Далее"));
    N15->setObjectName(QStringLiteral("N15"));
    N15->setShortcut(QKeySequence(Qt::Key_PageDown));
    N15->setShortcutContext(Qt::WindowShortcut);
    N15->setVisible(false);
    N15->setEnabled(false);
    addAction(N15);
    connect(N15, &QAction::triggered, this, &TMyform::N15Click);
    Idiag1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Idiag1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        syncPartControls();
        PopupMenu1->popup(Idiag1->mapToGlobal(at));
    });
}

void TMyform::buildMenus()
{
    fileMenu = menuBar()->addMenu(QStringLiteral("Файл"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    // The file and picture commands are enabled where they are connected
    // (buildIntake).
    Coed1 = menuItem(fileMenu, "Coed1", QStringLiteral("Открыть *.txt"), false);
    Coed1->setShortcut(QKeySequence::Open);
    pas1 = menuItem(fileMenu, "pas1", QStringLiteral("Открыть *.pas"), false);
    txt1 = menuItem(fileMenu, "txt1", QStringLiteral("Сохранить *.txt"), false);
    txt1->setShortcut(QKeySequence::Save);
    fileMenu->addSeparator();
    bmp1 = menuItem(fileMenu, "bmp1", QStringLiteral("Открыть *.bmp"), false);
    bmp2 = menuItem(fileMenu, "bmp2", QStringLiteral("Сохранить *.bmp"), false);
    fileMenu->addSeparator();
    N14 = menuItem(fileMenu, "N14", QStringLiteral("Настройки"), true);
    N12 = menuItem(fileMenu, "N12", QStringLiteral("Печать"), true);
    N12->setShortcut(QKeySequence::Print);
    fileMenu->addSeparator();
    N2 = menuItem(fileMenu, "N2", QStringLiteral("Выход"), true);
    N2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    N23 = menuBar()->addMenu(QStringLiteral("Схема"));
    N23->setObjectName(QStringLiteral("N23"));
    N23->menuAction()->setEnabled(false);
    N24 = menuItem(N23, "N24", QStringLiteral("Разметка страниц"), true);
    N25 = menuItem(N23, "N25", QStringLiteral("Подписать линии"), true);
    N26 = N23->addMenu(QStringLiteral("Анимация"));
    N26->setObjectName(QStringLiteral("N26"));
    N27 = menuItem(N26, "N27", QStringLiteral("Включить"), false);
    N28 = menuItem(N26, "N28", QStringLiteral("Выключить"), false);

    helpMenu = menuBar()->addMenu(QStringLiteral("Помощь"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    N11 = menuItem(helpMenu, "N11", QStringLiteral("О программе"), true);
    N11->setShortcut(QKeySequence::HelpContents);

    // "Схема" is a button, not a menu item; its keys work on every tab.
    schemaShortcut = new QAction(QStringLiteral("Схема"), this);
    schemaShortcut->setObjectName(QStringLiteral("schemaShortcut"));
    schemaShortcut->setShortcuts({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_R)});
    schemaShortcut->setShortcutContext(Qt::WindowShortcut);
    addAction(schemaShortcut);

    connect(N14, &QAction::triggered, this, &TMyform::N14Click);
    connect(N2, &QAction::triggered, this, &TMyform::N2Click);
    connect(N11, &QAction::triggered, this, &TMyform::N11Click);
    connect(schemaShortcut, &QAction::triggered, this, &TMyform::BitBtn3Click);
}

bool TMyform::eventFilter(QObject* watched, QEvent* e)
{
    if ((watched == tscod || watched == Rekod) && (e->type() == QEvent::Resize || e->type() == QEvent::Move))
        placeOverlays();
    return QMainWindow::eventFilter(watched, e);
}

void TMyform::placeOverlays()
{
    const QRect editor = Rekod->geometry();
    // The routine list takes the editor's place while it shows; its panel
    // is beside the editor, in the layout.
    Clb1->setGeometry(editor);
    const int navHeight = DBNavigator1->sizeHint().height();
    DBGrid1->setGeometry(editor.adjusted(0, 0, 0, -navHeight));
    DBNavigator1->setGeometry(editor.left(), editor.bottom() - navHeight + 1, editor.width(), navHeight);
    Panel2->setGeometry(editor.adjusted(8, 8, -8, -8));
    const QSize want = Panel3->sizeHint().boundedTo(tscod->size());
    Panel3->setGeometry(QRect(editor.topLeft() + QPoint(8, 8), want).intersected(tscod->rect()));
}

void TMyform::N11Click()
{
    placeOverlays();
    Panel2->raise();
    Panel2->show();
}

void TMyform::N14Click()
{
    placeOverlays();
    Panel3->show();
    Panel3->raise();
}

} // namespace vexoria
