#include "app/CodeTab.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CommentsGrid.h"
#include "app/HelpPanel.h"
#include "app/SettingsPanel.h"
#include "platform/text/TextCodec.h"

namespace vexoria {

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

CodeTab::CodeTab(Prompter* prompter, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tscod"));

    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("Rekod"));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont ef = m_editor->font();
    ef.setPixelSize(13);
    m_editor->setFont(ef);
    m_editor->setMinimumSize(200, 120);

    m_chartButton = button("BitBtn3", QStringLiteral("Схема"), this);
    m_chartButton->setToolTip(QStringLiteral("Построить блок-схему (F9)"));
    m_exitButton = button("BitBtn4", QStringLiteral("Выход"), this);
    m_printButton = button("BitBtn5", QStringLiteral("Печать"), this);

    m_printLayoutGroup = new QGroupBox(QStringLiteral("Печать"), this);
    m_printLayoutGroup->setObjectName(QStringLiteral("RadioGroup1"));
    m_oneSheetButton = new QRadioButton(QStringLiteral("Уместить на одном листе"), m_printLayoutGroup);
    m_pagedButton = new QRadioButton(QStringLiteral("Авто формат"), m_printLayoutGroup);
    m_pagedButton->setChecked(true);
    auto* rg = new QVBoxLayout(m_printLayoutGroup);
    rg->setContentsMargins(6, 2, 6, 2);
    rg->setSpacing(0);
    rg->addWidget(m_oneSheetButton);
    rg->addWidget(m_pagedButton);

    m_debugTableChoice = new QComboBox(this);
    m_debugTableChoice->setObjectName(QStringLiteral("ComboBox1"));
    m_debugTableChoice->addItems({QStringLiteral("N"), QStringLiteral("NOM"), QStringLiteral("FILTR"),
                                  QStringLiteral("Запись"), QStringLiteral("Закрыть"), QStringLiteral("Комминт"),
                                  QStringLiteral("Стрелка")});
    m_debugTableChoice->setVisible(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_chartButton);
    bottom->addWidget(m_exitButton);
    bottom->addWidget(m_debugTableChoice);
    bottom->addStretch();
    bottom->addWidget(m_printLayoutGroup);
    bottom->addWidget(m_printButton, 0, Qt::AlignBottom);

    m_editorRow = new QHBoxLayout;
    m_editorRow->addWidget(m_editor, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(m_editorRow, 1);
    layout->addLayout(bottom);

    // The overlays over the editor's area: they have no place in the layout
    // and follow the editor when the tab is resized. The routine list and
    // its panel come with the routine queue, the settings panel with the
    // settings (placeRoutineQueue, placeSettingsPanel).
    m_commentsGrid = new CommentsGridView(this);
    m_commentsGrid->setPrompter(prompter);
    m_commentsGrid->hide();
    m_gridNavigator = new GridNavigator(m_commentsGrid, this);
    m_gridNavigator->hide();

    m_helpPanel = new HelpPanel(this);
    m_helpPanel->hide();

    installEventFilter(this);
    m_editor->installEventFilter(this);
}

void CodeTab::placeRoutineQueue(QListWidget* list, QFrame* panel)
{
    list->stackUnder(m_commentsGrid);
    panel->stackUnder(m_commentsGrid);
    m_routineList = list;
    m_routinePanel = panel;
    m_editorRow->addWidget(panel, 0, Qt::AlignTop);
}

void CodeTab::placeSettingsPanel(SettingsPanel* panel) { m_settingsPanel = panel; }

bool CodeTab::eventFilter(QObject* watched, QEvent* e)
{
    if ((watched == this || watched == m_editor) && (e->type() == QEvent::Resize || e->type() == QEvent::Move))
        placeOverlays();
    return QWidget::eventFilter(watched, e);
}

void CodeTab::placeOverlays()
{
    const QRect editor = m_editor->geometry();
    // The routine list takes the editor's place while it shows; its panel
    // is beside the editor, in the layout.
    if (m_routineList) m_routineList->setGeometry(editor);
    const int navHeight = m_gridNavigator->sizeHint().height();
    m_commentsGrid->setGeometry(editor.adjusted(0, 0, 0, -navHeight));
    m_gridNavigator->setGeometry(editor.left(), editor.bottom() - navHeight + 1, editor.width(), navHeight);
    m_helpPanel->setGeometry(editor.adjusted(8, 8, -8, -8));
    if (m_settingsPanel) {
        const QSize want = m_settingsPanel->sizeHint().boundedTo(size());
        m_settingsPanel->setGeometry(QRect(editor.topLeft() + QPoint(8, 8), want).intersected(rect()));
    }
}

void CodeTab::showHelp()
{
    placeOverlays();
    m_helpPanel->raise();
    m_helpPanel->show();
}

void CodeTab::showSettings()
{
    placeOverlays();
    m_settingsPanel->show();
    m_settingsPanel->raise();
}

void CodeTab::showCommentsGrid(StatementTable* table)
{
    m_commentsGrid->raise();
    m_commentsGrid->show();
    m_commentsGrid->bindTable(table);
    m_gridNavigator->show();
    m_gridNavigator->raise();
}

void CodeTab::hideCommentsGrid()
{
    m_commentsGrid->post();
    m_commentsGrid->unbind();
    m_commentsGrid->lower();
    m_commentsGrid->hide();
    m_gridNavigator->hide();
}

QString CodeTab::code() const
{
    // The raw text keeps what the user typed: toPlainText() would turn a
    // non-breaking space into a blank, which the classifier must not see as
    // one. Paragraph and line separators are the editor's line breaks.
    QString text = m_editor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return classifierText(text);
}

bool CodeTab::hasLines() const { return !m_editor->document()->isEmpty(); }

bool CodeTab::oneSheetChosen() const { return m_oneSheetButton->isChecked(); }

} // namespace vexoria
