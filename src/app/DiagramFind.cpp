#include "app/DiagramFind.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>

#include "app/ChartOutline.h"
#include "app/DiagramTab.h"
#include "app/DiagramView.h"

namespace vexoria {

namespace {

const QColor kMatchOutline(0xe6, 0x7e, 0x00);
const QString kNotFound = QStringLiteral("Не найдено");

// Distance of the box from the tab's top right corner, clear of the
// vertical scroll bar.
constexpr int kBoxInset = 24;

QAction* tabAction(QWidget& tab, const char* name, const QKeySequence& keys)
{
    auto* a = new QAction(&tab);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(keys);
    // Only with the focus on the chart or in the box: the editor beside it
    // keeps its own keys.
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tab.addAction(a);
    return a;
}

} // namespace

DiagramFind::DiagramFind(DiagramTab& tab, std::function<const std::vector<ChartBlock>&()> blocks)
    : QObject(&tab), m_tab(tab), m_blocks(std::move(blocks))
{
    setObjectName(QStringLiteral("DiagramFind"));
    m_outline = new ChartOutline(*tab.view(), kMatchOutline, [this] { return !m_blocks().empty(); });

    box = new QFrame(&tab);
    box->setObjectName(QStringLiteral("findBox"));
    box->setFrameShape(QFrame::StyledPanel);
    box->setAutoFillBackground(true);
    field = new QLineEdit(box);
    field->setObjectName(QStringLiteral("findField"));
    field->setPlaceholderText(QStringLiteral("Найти на схеме"));
    field->setClearButtonEnabled(true);
    field->setMinimumWidth(180);
    status = new QLabel(box);
    status->setObjectName(QStringLiteral("findStatus"));
    status->setMinimumWidth(status->fontMetrics().horizontalAdvance(kNotFound) + 4);
    auto* closeButton = new QToolButton(box);
    closeButton->setObjectName(QStringLiteral("findClose"));
    closeButton->setText(QStringLiteral("×"));
    closeButton->setToolTip(QStringLiteral("Закрыть (Esc)"));
    closeButton->setAutoRaise(true);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(4, 2, 2, 2);
    row->addWidget(field);
    row->addWidget(status);
    row->addWidget(closeButton);
    box->hide();

    findAction = tabAction(tab, "findOnChart", QKeySequence::Find);
    nextAction = tabAction(tab, "findNextOnChart", QKeySequence(Qt::Key_F3));
    previousAction = tabAction(tab, "findPreviousOnChart", QKeySequence(Qt::SHIFT | Qt::Key_F3));

    connect(findAction, &QAction::triggered, this, &DiagramFind::open);
    connect(nextAction, &QAction::triggered, this, &DiagramFind::findNext);
    connect(previousAction, &QAction::triggered, this, &DiagramFind::findPrevious);
    connect(field, &QLineEdit::textEdited, this, &DiagramFind::findFromTop);
    connect(field, &QLineEdit::returnPressed, this, &DiagramFind::findNext);
    connect(closeButton, &QToolButton::clicked, this, &DiagramFind::close);
    field->installEventFilter(this);
    tab.installEventFilter(this);
    setEditorBeside(false);
}

void DiagramFind::setEditorBeside(bool beside)
{
    findAction->setShortcutContext(beside ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut);
}

bool DiagramFind::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == &m_tab && e->type() == QEvent::Resize) placeBox();
    if (watched == field && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QObject::eventFilter(watched, e);
}

void DiagramFind::placeBox()
{
    box->adjustSize();
    box->move(std::max(0, m_tab.width() - box->width() - kBoxInset), 4);
}

void DiagramFind::open()
{
    placeBox();
    box->show();
    box->raise();
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void DiagramFind::forgetMatch()
{
    m_outline->hide();
    m_match = -1;
    status->clear();
}

void DiagramFind::close()
{
    box->hide();
    forgetMatch();
    // The keys go back to the chart.
    m_tab.scrollArea()->setFocus(Qt::OtherFocusReason);
}

void DiagramFind::findNext() { step(+1); }

void DiagramFind::findPrevious() { step(-1); }

void DiagramFind::findFromTop()
{
    m_match = -1;
    step(+1);
}

void DiagramFind::step(int direction)
{
    // F3 with the box closed opens it on the last text sought.
    if (box->isHidden()) open();
    const QString text = field->text();
    const std::vector<ChartBlock>& blocks = m_blocks();
    std::vector<int> matches;
    if (!text.isEmpty())
        for (int i = 0; i < static_cast<int>(blocks.size()); ++i)
            if (blocks[static_cast<std::size_t>(i)].text.contains(text, Qt::CaseInsensitive)) matches.push_back(i);
    if (text.isEmpty() || matches.empty()) {
        m_match = -1;
        m_outline->hide();
        status->setText(text.isEmpty() ? QString() : kNotFound);
        return;
    }
    // From the match on show on, or from the top when there is none (or it
    // is no match any more).
    int at = -1;
    if (m_match >= 0) {
        for (int k = 0; k < static_cast<int>(matches.size()); ++k)
            if (matches[static_cast<std::size_t>(k)] == m_match) at = k;
    }
    const int count = static_cast<int>(matches.size());
    int next;
    if (at < 0) next = direction > 0 ? 0 : count - 1;
    else next = (at + direction + count) % count;
    m_match = matches[static_cast<std::size_t>(next)];
    status->setText(QStringLiteral("%1 из %2").arg(next + 1).arg(count));
    const QRect area = blocks[static_cast<std::size_t>(m_match)].area;
    m_outline->show(area);
    m_tab.ensureVisible(ChartOutline::frameAround(area));
}

} // namespace vexoria
