#pragma once
// Line numbers of positions in a code text: a line ends at CR LF, at a lone
// CR or at a lone LF. Lines and positions count from 0.
#include <algorithm>
#include <vector>

#include <QString>

namespace vexoria::syntax {

class SourceLines {
public:
    explicit SourceLines(const QString& text)
    {
        const int n = static_cast<int>(text.size());
        for (int i = 0; i < n; ++i) {
            const QChar c = text.at(i);
            if (c == u'\r' || (c == u'\n' && (i == 0 || text.at(i - 1) != u'\r'))) m_breaks.push_back(i);
        }
    }
    // The line a character is on; a line's own CR (or LF) is on it.
    int lineOf(int index) const
    {
        return static_cast<int>(std::lower_bound(m_breaks.begin(), m_breaks.end(), index) - m_breaks.begin());
    }

private:
    std::vector<int> m_breaks;
};

} // namespace vexoria::syntax
