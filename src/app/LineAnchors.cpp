#include "app/LineAnchors.h"

#include <QTextBlock>
#include <QTextDocument>

namespace vexoria {

LineAnchors::LineAnchors(QTextDocument& document, QObject* parent) : QObject(parent), m_document(document)
{
    connect(&m_document, &QTextDocument::contentsChange, this, &LineAnchors::onContentsChange);
}

void LineAnchors::anchor()
{
    clear();
    m_cursors.reserve(static_cast<std::size_t>(m_document.blockCount()));
    for (QTextBlock b = m_document.begin(); b.isValid(); b = b.next()) m_cursors.emplace_back(b);
    m_characters = m_document.characterCount();
}

void LineAnchors::clear()
{
    m_cursors.clear();
    m_now.clear();
    m_then.clear();
    m_followedRevision = -1;
}

void LineAnchors::onContentsChange(int position, int charsRemoved, int)
{
    // The whole text replaced: nothing of the old one is left to point at.
    // (Every cursor would end up at one place, and the last line would seem
    // to be there.)
    const bool wholeText = position == 0 && m_characters > 1 && charsRemoved >= m_characters - 1;
    m_characters = m_document.characterCount();
    m_followedRevision = -1;
    if (wholeText) clear();
}

void LineAnchors::follow() const
{
    // Followed again after every edit, whichever of the edit's signals
    // comes first.
    if (m_followedRevision == m_document.revision() && m_now.size() == m_cursors.size()) return;
    m_followedRevision = m_document.revision();
    const int count = static_cast<int>(m_cursors.size());
    m_now.assign(m_cursors.size(), -1);
    m_then.clear();
    int lastBlock = -1;
    for (int i = 0; i < count; ++i) {
        const int at = m_cursors[static_cast<std::size_t>(i)].position();
        // The lines from this one up to the next one's cursor were deleted:
        // the text there is the next line's.
        if (i + 1 < count && m_cursors[static_cast<std::size_t>(i + 1)].position() == at) continue;
        // Another line's start came to lie in this one: a line joined onto
        // the one before keeps that one's place, and is no more.
        const int block = m_document.findBlock(at).blockNumber();
        if (block == lastBlock) continue;
        lastBlock = block;
        m_now[static_cast<std::size_t>(i)] = block;
        m_then.insert(block, i);
    }
}

int LineAnchors::lineNow(int lineThen) const
{
    if (lineThen < 0 || lineThen >= static_cast<int>(m_cursors.size())) return -1;
    follow();
    return m_now[static_cast<std::size_t>(lineThen)];
}

int LineAnchors::lineThen(int lineNow) const
{
    if (m_cursors.empty()) return -1;
    follow();
    return m_then.value(lineNow, -1);
}

} // namespace vexoria
