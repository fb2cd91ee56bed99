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

RoutineQueuePanel::RoutineQueuePanel(EditorFiles& editor, Workspace& ws, QueueState& queue, FileDialogs& dialogs,
                                     QWidget* host)
    : QObject(host), m_editor(editor), m_ws(ws), m_state(queue), m_dialogs(dialogs), m_queue(queue, *ws.prompter)
{
    routineList = new QListWidget(host);
    routineList->setObjectName(QStringLiteral("Clb1"));
    routineList->hide();

    routinePanel = new QFrame(host);
    routinePanel->setObjectName(QStringLiteral("Panel1"));
    routinePanel->setFrameShape(QFrame::Panel);
    routinePanel->setFrameShadow(QFrame::Raised);
    routinePanel->setAutoFillBackground(true);

    checkAllButton = new QToolButton(routinePanel);
    checkAllButton->setObjectName(QStringLiteral("SpeedButton1"));
    checkAllButton->setText(QStringLiteral("Отметить все"));
    checkAllButton->setToolTip(QStringLiteral("Отметить все процедуры списка; ещё одно нажатие снимает отметки"));
    checkAllButton->setCheckable(true);
    backButton = new QToolButton(routinePanel);
    backButton->setObjectName(QStringLiteral("BitBtn6"));
    backButton->setArrowType(Qt::LeftArrow);
    backButton->setToolTip(QStringLiteral("Назад: предыдущая отмеченная процедура"));
    previewButton = new QRadioButton(QStringLiteral("Предпросмотр"), routinePanel);
    previewButton->setObjectName(QStringLiteral("RadioButton2"));
    buildAtOnceButton = new QRadioButton(QStringLiteral("Построить сразу"), routinePanel);
    buildAtOnceButton->setObjectName(QStringLiteral("RadioButton1"));
    queueChoice = new QButtonGroup(this);
    queueChoice->addButton(previewButton);
    queueChoice->addButton(buildAtOnceButton);
    previewButton->setChecked(true);
    skipButton = new QPushButton(QStringLiteral("Пропустить"), routinePanel);
    skipButton->setObjectName(QStringLiteral("BitBtn1"));
    skipButton->setToolTip(QStringLiteral("Взять в редактор следующую отмеченную процедуру"));
    listButton = new QPushButton(QStringLiteral("Список"), routinePanel);
    listButton->setObjectName(QStringLiteral("BitBtn2"));
    listButton->setToolTip(QStringLiteral("Показать или скрыть список; очередь начнётся сначала"));

    auto* grid = new QGridLayout(routinePanel);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(2);
    grid->addWidget(checkAllButton, 0, 0);
    grid->addWidget(backButton, 0, 1, Qt::AlignRight);
    grid->addWidget(previewButton, 1, 0, 1, 2);
    grid->addWidget(buildAtOnceButton, 2, 0, 1, 2);
    grid->addWidget(skipButton, 3, 0);
    grid->addWidget(listButton, 3, 1);
    routinePanel->hide();

    connect(checkAllButton, &QToolButton::clicked, this, &RoutineQueuePanel::checkAll);
    connect(backButton, &QToolButton::clicked, this, &RoutineQueuePanel::back);
    connect(skipButton, &QPushButton::clicked, this, &RoutineQueuePanel::skip);
    connect(listButton, &QPushButton::clicked, this, &RoutineQueuePanel::toggleList);
    connect(routineList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_filling) m_queue.setChecked(routineList->row(item), item->checkState() == Qt::Checked);
    });
}

void RoutineQueuePanel::addPopupItems(QMenu* editorMenu)
{
    queuePauseAction = editorMenu->addAction(QStringLiteral("Остановить (*.pas)"));
    queuePauseAction->setObjectName(QStringLiteral("N18"));
    queueResumeAction = editorMenu->addAction(QStringLiteral("Продолжить (*.pas)"));
    queueResumeAction->setObjectName(QStringLiteral("N19"));
    connect(queuePauseAction, &QAction::triggered, this, &RoutineQueuePanel::pause);
    connect(queueResumeAction, &QAction::triggered, this, &RoutineQueuePanel::resume);
}

void RoutineQueuePanel::openUnitFile()
{
    QString& folder = m_ws.settings.unitFolder;
    const auto choice = m_dialogs.openFile({QStringLiteral("Открыть *.pas"),
                                            startFolder(folder),
                                            {QStringLiteral("Паскаль (*.pas)"), QStringLiteral("Все файлы (*)")},
                                            1});
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
    if (routineList->count() != static_cast<int>(items.size())) {
        routineList->clear();
        for (const RoutineItem& it : items) {
            auto* row = new QListWidgetItem(it.text, routineList);
            row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (int i = 0; i < routineList->count(); ++i) {
        routineList->item(i)->setText(items[static_cast<std::size_t>(i)].text);
        routineList->item(i)->setCheckState(items[static_cast<std::size_t>(i)].checked ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
}

void RoutineQueuePanel::showState()
{

    checkAllButton->setChecked(m_queue.checkAllDown());
    routineList->setVisible(m_queue.listVisible());
    routinePanel->setVisible(m_queue.panelVisible());
    // The list lies over the editor and the panel over the list.
    if (m_queue.listVisible()) routineList->raise();
    if (m_queue.panelVisible()) routinePanel->raise();
}

void RoutineQueuePanel::toEditor(const EditorLines& lines)
{
    // A fetch that found the queue run out leaves it: its panel goes and the
    // editor has its width back.
    if (m_state.queueExhausted) m_queue.hidePanel();
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

void RoutineQueuePanel::fetchNextRoutine()
{
    m_queue.hideList();
    toEditor(m_queue.fetchNext());
    showState();
}

void RoutineQueuePanel::skip()
{
    toEditor(m_queue.skip());
    showState();
}

void RoutineQueuePanel::back()
{
    toEditor(m_queue.back());
    showState();
}

void RoutineQueuePanel::toggleList()
{
    m_queue.toggleList();
    showState();
}

void RoutineQueuePanel::checkAll()
{
    m_queue.checkAll();
    fillList();
    showState();
}

void RoutineQueuePanel::pause()
{
    m_queue.pause();
    showState();
}

void RoutineQueuePanel::resume()
{
    m_queue.resume();
    showState();
}

} // namespace vexoria
