#include "app/RoutineQueuePanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/EditorFiles.h"
#include "pipeline/Workspace.h"
#include "platform/widgets/FileDialogs.h"
#include "source/TextFile.h"

namespace vexoria {

RoutineQueuePanel::RoutineQueuePanel(EditorFiles& editor, Workspace& ws, FileDialogs& dialogs, QWidget* host)
    : QObject(host), m_editor(editor), m_ws(ws), m_dialogs(dialogs), m_queue(ws.ctx, *ws.prompter)
{
    Clb1 = new QListWidget(host);
    Clb1->setObjectName(QStringLiteral("Clb1"));
    Clb1->hide();

    Panel1 = new QFrame(host);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAutoFillBackground(true);

    SpeedButton1 = new QToolButton(Panel1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Отметить все"));
    SpeedButton1->setToolTip(QStringLiteral("Отметить все процедуры списка; ещё одно нажатие снимает отметки"));
    SpeedButton1->setCheckable(true);
    BitBtn6 = new QToolButton(Panel1);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn6->setArrowType(Qt::LeftArrow);
    BitBtn6->setToolTip(QStringLiteral("Назад: предыдущая отмеченная процедура"));
    RadioButton2 = new QRadioButton(QStringLiteral("Предпросмотр"), Panel1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton1 = new QRadioButton(QStringLiteral("Построить сразу"), Panel1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    queueChoice = new QButtonGroup(this);
    queueChoice->addButton(RadioButton2);
    queueChoice->addButton(RadioButton1);
    RadioButton2->setChecked(true);
    BitBtn1 = new QPushButton(QStringLiteral("Пропустить"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Взять в редактор следующую отмеченную процедуру"));
    BitBtn2 = new QPushButton(QStringLiteral("Список"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("Показать или скрыть список; очередь начнётся сначала"));

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(2);
    grid->addWidget(SpeedButton1, 0, 0);
    grid->addWidget(BitBtn6, 0, 1, Qt::AlignRight);
    grid->addWidget(RadioButton2, 1, 0, 1, 2);
    grid->addWidget(RadioButton1, 2, 0, 1, 2);
    grid->addWidget(BitBtn1, 3, 0);
    grid->addWidget(BitBtn2, 3, 1);
    Panel1->hide();

    connect(SpeedButton1, &QToolButton::clicked, this, &RoutineQueuePanel::SpeedButton1Click);
    connect(BitBtn6, &QToolButton::clicked, this, &RoutineQueuePanel::BitBtn6Click);
    connect(BitBtn1, &QPushButton::clicked, this, &RoutineQueuePanel::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &RoutineQueuePanel::BitBtn2Click);
    connect(Clb1, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_filling) m_queue.setChecked(Clb1->row(item), item->checkState() == Qt::Checked);
    });
}

void RoutineQueuePanel::addPopupItems(QMenu* PopupMenu3)
{
    N18 = PopupMenu3->addAction(QStringLiteral("Остановить (*.pas)"));
    N18->setObjectName(QStringLiteral("N18"));
    N19 = PopupMenu3->addAction(QStringLiteral("Продолжить (*.pas)"));
    N19->setObjectName(QStringLiteral("N19"));
    connect(N18, &QAction::triggered, this, &RoutineQueuePanel::N18Click);
    connect(N19, &QAction::triggered, this, &RoutineQueuePanel::N19Click);
}

void RoutineQueuePanel::pas1Click()
{
    QString& folder = m_ws.settings.opendialog1InitialDir;
    const auto choice = m_dialogs.openFile(
        {QStringLiteral("Открыть *.pas"), startFolder(folder), {QStringLiteral("Паскаль (*.pas)"), QStringLiteral("Все файлы (*)")}, 1});
    if (!choice) {
        // A cancelled dialog still starts an empty queue.
        openLines(std::nullopt);
        return;
    }
    folder = folderOf(choice->path);
    openUnit(choice->path);
}

void RoutineQueuePanel::openUnit(const QString& path)
{
    QString reason;
    const auto bytes = readFileBytes(path, &reason);
    const QString name = QDir::toNativeSeparators(path);
    if (!bytes) {
        m_ws.prompter->message(QStringLiteral("Не удалось прочитать файл %1:\n%2").arg(name, reason));
        openLines(std::nullopt);
        return;
    }
    if (!looksLikeText(*bytes)) {
        m_ws.prompter->message(QStringLiteral("Файл %1 не текстовый: это не модуль Паскаля.").arg(name));
        openLines(std::nullopt);
        return;
    }
    const TextFileContents unit = decodeTextFile(*bytes);
    m_unitEncoding = unit.encoding;
    m_unitPath = QFileInfo(path).absoluteFilePath();
    openLines(unit.lines);
}

void RoutineQueuePanel::openLines(const std::optional<QStringList>& lines)
{
    m_queue.openUnit(lines);
    fillList();
    showState();
}

void RoutineQueuePanel::fillList()
{
    m_filling = true;
    const auto& items = m_queue.items();
    if (Clb1->count() != static_cast<int>(items.size())) {
        Clb1->clear();
        for (const RoutineItem& it : items) {
            auto* row = new QListWidgetItem(it.text, Clb1);
            row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < Clb1->count(); ++i) {
        Clb1->item(i)->setText(items[static_cast<std::size_t>(i)].text);
        Clb1->item(i)->setCheckState(items[static_cast<std::size_t>(i)].checked ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
}

void RoutineQueuePanel::showState()
{

    SpeedButton1->setChecked(m_queue.checkAllDown());
    Clb1->setVisible(m_queue.listVisible());
    Panel1->setVisible(m_queue.panelVisible());
    // The list lies over the editor and the panel over the list.
    if (m_queue.listVisible()) Clb1->raise();
    if (m_queue.panelVisible()) Panel1->raise();
}

void RoutineQueuePanel::toEditor(const EditorLines& lines)
{
    // A fetch that found the queue run out leaves it: its panel goes and the
    // editor has its width back.
    if (m_ws.ctx.queueDone == 1) m_queue.hidePanel();
    if (!lines) return;
    m_editor.setLines(*lines, m_unitEncoding);
    m_editor.setSourcePath(m_unitPath);
}

void RoutineQueuePanel::hideAll()
{
    m_queue.hideList();
    m_queue.hidePanel();
    showState();
}

void RoutineQueuePanel::Apas()
{
    m_queue.hideList();
    toEditor(m_queue.ApasExecute());
    showState();
}

void RoutineQueuePanel::BitBtn1Click()
{
    toEditor(m_queue.BitBtn1Click());
    showState();
}

void RoutineQueuePanel::BitBtn6Click()
{
    toEditor(m_queue.BitBtn6Click());
    showState();
}

void RoutineQueuePanel::BitBtn2Click()
{
    m_queue.BitBtn2Click();
    showState();
}

void RoutineQueuePanel::SpeedButton1Click()
{
    m_queue.SpeedButton1Click();
    fillList();
    showState();
}

void RoutineQueuePanel::N18Click()
{
    m_queue.N18Click();
    showState();
}

void RoutineQueuePanel::N19Click()
{
    m_queue.N19Click();
    showState();
}

} // namespace vexoria
