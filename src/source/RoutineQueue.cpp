#include "source/RoutineQueue.h"

#include <algorithm>

#include "source/UnitScanner.h"

namespace vexoria {

void RoutineQueue::openUnit(const std::optional<QStringList>& lines)
{
    m_checkAllDown = false;
    m_state.curRoutine = -1;
    m_state.fetchBeforeBuild = true;
    m_state.editorHoldsOwnCode = false;
    m_state.implLine = 0;
    m_listVisible = true;
    m_panelVisible = true;
    m_state.unitLines = lines.value_or(QStringList{});
    m_items.clear();
    m_state.implLine = findImplLine(*m_state.unitLines);
    for (const QString& line : listRoutineLines(*m_state.unitLines, m_state.implLine))
        m_items.push_back(RoutineItem{line, false});
}

void RoutineQueue::endQueue(const QString& message)
{
    m_prompter.message(message);
    m_state.fetchBeforeBuild = false;
    m_state.editorHoldsOwnCode = true;
    m_state.curRoutine = -1;
    m_state.queueExhausted = true;
}

EditorLines RoutineQueue::fetchNext()
{
    m_state.queueExhausted = false;
    const int count = static_cast<int>(m_items.size());
    if (m_state.curRoutine >= count - 1) {
        endQueue(QStringLiteral("Нет больше выбранного"));
        return std::nullopt;
    }
    // Back from the first routine leaves curRoutine at -2; the search then
    // starts at the first item instead of one before it.
    int found = -1;
    for (int i = std::max(m_state.curRoutine + 1, 0); i < count; ++i) {
        if (m_items[static_cast<std::size_t>(i)].checked) {
            found = i;
            break;
        }
    }
    if (found < 0) {
        endQueue(QStringLiteral("Ни чего не выбранно"));
        return QStringList{};
    }
    m_state.curRoutine = found;
    const QString name = routineName(m_items[static_cast<std::size_t>(found)].text);
    return copyRoutine(m_state.unitLines.value_or(QStringList{}), m_state.implLine, name);
}

EditorLines RoutineQueue::skip()
{
    hideList();
    EditorLines lines = fetchNext();
    m_state.fetchBeforeBuild = false;
    return lines;
}

EditorLines RoutineQueue::back()
{
    hideList();
    if (m_state.curRoutine == -1) {
        m_prompter.message(QStringLiteral("Нет большевыбранного !"));
        return std::nullopt;
    }
    // fetchNextRoutine fetches the first checked item after curRoutine: from two back,
    // that is the one before the current routine when it is checked, else
    // the current one again.
    m_state.curRoutine -= 2;
    EditorLines lines = fetchNext();
    m_state.fetchBeforeBuild = false;
    return lines;
}

void RoutineQueue::toggleList()
{
    m_state.curRoutine = -1;
    m_listVisible = !m_listVisible;
    m_state.fetchBeforeBuild = true;
    m_state.editorHoldsOwnCode = false;
}

void RoutineQueue::checkAll()
{
    m_checkAllDown = !m_checkAllDown;
    for (RoutineItem& item : m_items) {
        item.checked = m_checkAllDown;
        if (!m_checkAllDown) m_state.curRoutine = -1;
    }
    m_state.fetchBeforeBuild = m_checkAllDown;
    m_state.editorHoldsOwnCode = !m_checkAllDown;
}

void RoutineQueue::pause()
{
    m_state.fetchBeforeBuild = false;
    m_state.editorHoldsOwnCode = true;
    m_panelVisible = false;
}

void RoutineQueue::resume()
{
    m_state.fetchBeforeBuild = true;
    m_state.editorHoldsOwnCode = false;
    m_panelVisible = true;
}

void RoutineQueue::setChecked(int index, bool checked)
{
    if (index >= 0 && index < static_cast<int>(m_items.size()))
        m_items[static_cast<std::size_t>(index)].checked = checked;
}

} // namespace vexoria
