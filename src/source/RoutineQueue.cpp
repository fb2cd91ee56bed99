#include "source/RoutineQueue.h"

#include <algorithm>

#include "source/UnitScanner.h"

namespace vexoria {

void RoutineQueue::openUnit(const std::optional<QStringList>& lines)
{
    m_checkAllDown = false;
    m_ctx.curRoutine = -1;
    m_ctx.fetchBeforeBuild = 1;
    m_ctx.editorHoldsOwnCode = 0;
    m_ctx.implLine = 0;
    m_listVisible = true;
    m_panelVisible = true;
    m_ctx.unitLines = lines.value_or(QStringList{});
    m_items.clear();
    m_ctx.implLine = findImplLine(*m_ctx.unitLines);
    for (const QString& line : listRoutineLines(*m_ctx.unitLines, m_ctx.implLine))
        m_items.push_back(RoutineItem{line, false});
}

void RoutineQueue::endQueue(const QString& message)
{
    m_prompter.message(message);
    m_ctx.fetchBeforeBuild = 0;
    m_ctx.editorHoldsOwnCode = 1;
    m_ctx.curRoutine = -1;
    m_ctx.queueExhausted = 1;
}

EditorLines RoutineQueue::fetchNext()
{
    m_ctx.queueExhausted = 0;
    const int count = static_cast<int>(m_items.size());
    if (m_ctx.curRoutine >= count - 1) {
        endQueue(QStringLiteral("Нет больше выбранного"));
        return std::nullopt;
    }
    // Back from the first routine leaves curRoutine at -2; the search then
    // starts at the first item instead of one before it.
    int found = -1;
    for (int i = std::max(m_ctx.curRoutine + 1, 0); i < count; ++i) {
        if (m_items[static_cast<std::size_t>(i)].checked) {
            found = i;
            break;
        }
    }
    if (found < 0) {
        endQueue(QStringLiteral("Ни чего не выбранно"));
        return QStringList{};
    }
    m_ctx.curRoutine = found;
    const QString name = routineName(m_items[static_cast<std::size_t>(found)].text);
    return copyRoutine(m_ctx.unitLines.value_or(QStringList{}), m_ctx.implLine, name);
}

EditorLines RoutineQueue::skip()
{
    hideList();
    EditorLines lines = fetchNext();
    m_ctx.fetchBeforeBuild = 0;
    return lines;
}

EditorLines RoutineQueue::back()
{
    hideList();
    if (m_ctx.curRoutine == -1) {
        m_prompter.message(QStringLiteral("Нет большевыбранного !"));
        return std::nullopt;
    }
    // fetchNextRoutine fetches the first checked item after curRoutine: from two back,
    // that is the one before the current routine when it is checked, else
    // the current one again.
    m_ctx.curRoutine -= 2;
    EditorLines lines = fetchNext();
    m_ctx.fetchBeforeBuild = 0;
    return lines;
}

void RoutineQueue::toggleList()
{
    m_ctx.curRoutine = -1;
    m_listVisible = !m_listVisible;
    m_ctx.fetchBeforeBuild = 1;
    m_ctx.editorHoldsOwnCode = 0;
}

void RoutineQueue::checkAll()
{
    m_checkAllDown = !m_checkAllDown;
    for (RoutineItem& item : m_items) {
        item.checked = m_checkAllDown;
        if (!m_checkAllDown) m_ctx.curRoutine = -1;
    }
    m_ctx.fetchBeforeBuild = m_checkAllDown ? 1 : 0;
    m_ctx.editorHoldsOwnCode = m_checkAllDown ? 0 : 1;
}

void RoutineQueue::pause()
{
    m_ctx.fetchBeforeBuild = 0;
    m_ctx.editorHoldsOwnCode = 1;
    m_panelVisible = false;
}

void RoutineQueue::resume()
{
    m_ctx.fetchBeforeBuild = 1;
    m_ctx.editorHoldsOwnCode = 0;
    m_panelVisible = true;
}

void RoutineQueue::setChecked(int index, bool checked)
{
    if (index >= 0 && index < static_cast<int>(m_items.size())) m_items[static_cast<std::size_t>(index)].checked = checked;
}

} // namespace vexoria
