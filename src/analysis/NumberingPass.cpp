#include "analysis/NumberingPass.h"

#include <algorithm>

#include "analysis/OrphanLines.h"

namespace vexoria::scan {

namespace {

bool isCommentRow(const StatementRow& r) { return r.text.str().startsWith(u'/'); }

// In this pass a text row is one that is not a block and not a closing row.
bool isTextRow(const StatementRow& r) { return !val(r.opensBlock) && !r.isClosing(); }

// The numbering walk. It walks the rows in n order. Rows it adds get n after
// every scanned row, so in n order they stand behind "end shema": the walk
// reaches them only at its end, where none of its rules applies to them, and
// they keep the nom they got when they were made. So the scanned rows stay in
// a plain vector (index n - 1) and the added rows are kept apart, which keeps
// every insert and delete of the walk O(1).
class NumberingWalk {
public:
    NumberingWalk(std::vector<StatementRow>& rows, int& rowCounter)
        : m_rows(rows), m_deleted(rows.size(), 0), m_count(static_cast<int>(rows.size())), m_rowCounter(rowCounter)
    {
    }

    void run();
    // Appends the added rows behind the scanned ones and returns the indices
    // of the rows still in the table, in n order.
    std::vector<int> finish();

private:
    StatementRow& row(int i) { return m_rows[static_cast<std::size_t>(i)]; }
    bool inTail() const { return m_cur >= m_count; }
    BlockKind kind() { return row(m_cur).blockKind(); }

    // Moves to the next row in n order. Past the last scanned row lie the
    // added rows (the tail); false when there is no next row at all.
    bool next()
    {
        int j = m_cur + 1;
        while (j < m_count && m_deleted[static_cast<std::size_t>(j)]) ++j;
        if (j < m_count) {
            m_cur = j;
            return true;
        }
        if (!m_added.empty()) {
            m_cur = m_count;
            return true;
        }
        return false;
    }
    void prior()
    {
        int j = m_cur - 1;
        while (j >= 0 && m_deleted[static_cast<std::size_t>(j)]) --j;
        if (j >= 0) m_cur = j;
    }
    // The next scanned row after the current one, or -1.
    int following() const
    {
        int j = m_cur + 1;
        while (j < m_count && m_deleted[static_cast<std::size_t>(j)]) ++j;
        return j < m_count ? j : -1;
    }

    // Moves on and numbers the row reached; false when the walk has run into
    // the added rows or off the end, where nothing more changes.
    bool moveAndNumber()
    {
        if (!next() || inTail()) return false;
        row(m_cur).drawOrder = ++m_k;
        return true;
    }
    // Moves over comment rows, numbering each row reached.
    bool skipComments()
    {
        while (isCommentRow(row(m_cur)))
            if (!moveAndNumber()) return false;
        return true;
    }

    StatementRow& addRow()
    {
        StatementRow r;
        r.n = ++m_rowCounter;
        m_added.push_back(std::move(r));
        return m_added.back();
    }
    // An added row takes the nom of the row it is placed before, and that row
    // is numbered on from there.
    void addBefore(BlockKind kind)
    {
        StatementRow& r = addRow();
        r.drawOrder = row(m_cur).drawOrder;
        r.opensBlock = true;
        r.setBlockKind(kind);
        row(m_cur).drawOrder = ++m_k;
    }
    void addClosingAfter(const char* text)
    {
        StatementRow& r = addRow();
        r.drawOrder = ++m_k;
        r.setBlockKind(BlockKind::End);
        r.opensBlock = false;
        r.text = text;
    }
    // After a single statement has been closed: a text row that follows it
    // gets a procces block. That row has not been numbered by the walk yet,
    // so the procces takes the next number and the row the one after it,
    // which puts the procces after the added closing row and right before
    // the text row. Otherwise the walk goes on with the following row.
    void processAfterClosed()
    {
        const int j = following();
        if (j < 0 || !isTextRow(row(j))) return;
        m_cur = j;
        StatementRow& r = addRow();
        r.drawOrder = ++m_k;
        r.opensBlock = true;
        r.setBlockKind(BlockKind::Process);
        row(m_cur).drawOrder = ++m_k;
    }

    bool afterClosing();
    bool opener();

    std::vector<StatementRow>& m_rows;
    std::vector<char> m_deleted;
    std::vector<StatementRow> m_added;
    int m_count;
    int& m_rowCounter;
    int m_cur = 0;
    int m_k = 0;
};

// Rule for "end" and "repeat" rows: a text row after them gets a procces
// block. Returns false when the walk is over.
bool NumberingWalk::afterClosing()
{
    if (!moveAndNumber()) return false;
    if (!skipComments()) return false;
    if (isTextRow(row(m_cur))) {
        addBefore(BlockKind::Process);
    } else if (row(m_cur).isClosing()) {
        // A closing row that follows a closing row is examined by this rule
        // in its turn.
        prior();
    }
    return true;
}

// Rule for "if", "for" and "else" rows whose single statement has no begin.
bool NumberingWalk::opener()
{
    const BlockKind openerKind = kind();
    const int openerRow = m_cur;
    if (!next() || inTail()) return false;

    if (openerKind == BlockKind::Else && row(m_cur).blockKind() == BlockKind::Begin) {
        // The else block takes the place of its begin.
        if (!row(m_cur).comment.str().isEmpty()) row(openerRow).comment = row(m_cur).comment;
        m_deleted[static_cast<std::size_t>(m_cur)] = 1;
        m_cur = openerRow;
        return true;
    }

    row(m_cur).drawOrder = ++m_k;
    if (!skipComments()) return false;
    const StatementRow& follower = row(m_cur);
    if (follower.blockKind() == BlockKind::Begin) return true;

    if (openerKind == BlockKind::Else) {
        addClosingAfter("");
        processAfterClosed();
        return true;
    }

    const bool text = isTextRow(follower);
    if (text) addBefore(BlockKind::Begin);
    const BlockKind followerKind = row(m_cur).blockKind();
    if (text || followerKind == BlockKind::Exit || followerKind == BlockKind::Break ||
        followerKind == BlockKind::Goto) {
        addClosingAfter("end");
        processAfterClosed();
        return true;
    }
    // A nested construct without begin: the walk goes on with the follower as
    // an opener of its own.
    const int before = val(row(m_cur).n) - 1;
    const int index = before - 1;
    if (index >= 0 && index < m_count && !m_deleted[static_cast<std::size_t>(index)]) m_cur = index;
    return true;
}

void NumberingWalk::run()
{
    if (m_count == 0) return;
    m_cur = 0;
    row(0).drawOrder = 1;
    m_k = 1;
    for (;;) {
        if (!next()) {
            // The move past the last row fails and that row is numbered once
            // more.
            row(m_cur).drawOrder = ++m_k;
            return;
        }
        if (inTail()) return;
        row(m_cur).drawOrder = ++m_k;

        const BlockKind k = kind();
        if (k == BlockKind::End || k == BlockKind::Repeat) {
            if (!afterClosing()) return;
        }
        const BlockKind o = kind();
        if (o == BlockKind::Else || o == BlockKind::If || o == BlockKind::For) {
            if (!opener()) return;
        }
    }
}

std::vector<int> NumberingWalk::finish()
{
    std::vector<int> kept;
    kept.reserve(m_rows.size() + m_added.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (!m_deleted[i]) kept.push_back(static_cast<int>(i));
    for (StatementRow& r : m_added) {
        kept.push_back(static_cast<int>(m_rows.size()));
        m_rows.push_back(std::move(r));
    }
    m_added.clear();
    return kept;
}

// The cleaning walk, backwards in nom order: a begin directly followed by a
// block or closing row holds no text lines and goes; so do the rows left over
// from a comment after a keyword (" /", "    /"). Their comments move to the
// row before. order holds the rows' indices in nom order; the walk links them
// both ways so that every delete is O(1), and leaves the kept ones in order.
void cleanRows(std::vector<StatementRow>& rows, std::vector<int>& order)
{
    const int count = static_cast<int>(order.size());
    if (count < 2) return;
    std::vector<int> prev(static_cast<std::size_t>(count));
    std::vector<int> next(static_cast<std::size_t>(count));
    std::vector<char> gone(static_cast<std::size_t>(count), 0);
    for (int i = 0; i < count; ++i) {
        prev[static_cast<std::size_t>(i)] = i - 1;
        next[static_cast<std::size_t>(i)] = i + 1 < count ? i + 1 : -1;
    }
    int first = 0;
    auto at = [&](int i) -> StatementRow& {
        return rows[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])];
    };
    auto P = [&](int i) { return prev[static_cast<std::size_t>(i)]; };
    auto N = [&](int i) { return next[static_cast<std::size_t>(i)]; };
    // Deletes row i; returns the row the cursor stands on afterwards: the
    // following one, or the previous one when i was the last.
    auto remove = [&](int i) {
        const int p = P(i);
        const int n = N(i);
        if (p >= 0) next[static_cast<std::size_t>(p)] = n;
        else first = n;
        if (n >= 0) prev[static_cast<std::size_t>(n)] = p;
        gone[static_cast<std::size_t>(i)] = 1;
        return n >= 0 ? n : p;
    };
    auto moveCommentBack = [&](int i) {
        const QString comment = at(i).comment.str();
        if (!comment.isEmpty() && P(i) >= 0) at(P(i)).comment = comment;
    };

    int cur = count - 1;
    // The walk ends when it has reached the first row: that row is looked at
    // once, with the kind of the row after it, never with its own. So a
    // routine without header that starts with "begin" and text keeps its
    // begin. A removed first row has no row before it to take its comment.
    while (cur >= 0 && cur != first) {
        const bool followedByKind = !at(cur).kind.str().isEmpty();
        cur = P(cur);
        if (followedByKind && at(cur).blockKind() == BlockKind::Begin) {
            moveCommentBack(cur);
            cur = remove(cur);
            if (cur >= 0 && N(cur) >= 0) cur = N(cur);
        }
        if (cur < 0) break;
        const QString text = at(cur).text.str();
        if (text == u" /" || text == u"    /") {
            moveCommentBack(cur);
            cur = remove(cur);
            if (cur >= 0 && N(cur) >= 0) cur = N(cur);
        }
    }

    std::vector<int> kept;
    kept.reserve(order.size());
    for (int i = 0; i < count; ++i)
        if (!gone[static_cast<std::size_t>(i)]) kept.push_back(order[static_cast<std::size_t>(i)]);
    order = std::move(kept);
}

// The characters of the header row's text before the first blank or ";".
QString headerWord(const QString& text)
{
    int end = 0;
    while (end < text.size() && text.at(end) != u' ' && text.at(end) != u';') ++end;
    return text.left(end);
}

// A routine starts with a procedure or function header, or with the header
// of a method: a constructor, destructor or operator, each also as a class
// method ("class function ...").
bool isRoutineHeader(const QString& text)
{
    const QString word = headerWord(text);
    if (word == u"procedure" || word == u"function") return true;
    static const char* const methodWords[] = {"constructor", "destructor", "operator"};
    for (const char* m : methodWords)
        if (text.startsWith(QLatin1String(m))) return true;
    if (!text.startsWith(QLatin1String("class "))) return false;
    const QStringView rest = QStringView(text).mid(6);
    static const char* const classWords[] = {"procedure", "function", "constructor", "destructor", "operator"};
    for (const char* m : classWords)
        if (rest.startsWith(QLatin1String(m))) return true;
    return false;
}

} // namespace

std::optional<QString> numberRows(ScanState& s, StatementTable& table)
{
    NumberingWalk walk(s.rows, s.rowCounter);
    walk.run();
    std::vector<int> order = walk.finish();
    std::vector<StatementRow>& rows = s.rows;

    // The rows stay where they are; only their order is sorted and cleaned.
    auto byDrawOrder = [&](int a, int b) {
        return compareKeys(rows[static_cast<std::size_t>(a)].drawOrder, rows[static_cast<std::size_t>(b)].drawOrder) <
               0;
    };
    std::stable_sort(order.begin(), order.end(), byDrawOrder);
    cleanRows(rows, order);

    std::optional<QString> title;
    if (!order.empty()) {
        const StatementRow& top = rows[static_cast<std::size_t>(order.front())];
        if (!val(top.opensBlock) && isRoutineHeader(top.text.str())) {
            title = QStringLiteral("Блок-Схема ") + top.text.str();
            StatementRow header;
            // The header row counts: rows added after it count on from it,
            // so that n stays unique.
            header.n = ++s.rowCounter;
            header.drawOrder = 0;
            header.setBlockKind(BlockKind::Header);
            header.opensBlock = true;
            rows.push_back(std::move(header));
            order.insert(order.begin(), static_cast<int>(rows.size()) - 1);
        }
    }

    holdOrphanLines(rows, order, s.rowCounter);

    if (s.gotoCount > 0) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return compareKeys(rows[static_cast<std::size_t>(a)].n, rows[static_cast<std::size_t>(b)].n) < 0;
        });
        // A goto whose label was not found takes the target of the goto
        // recorded before it.
        auto& targets = s.gotoTargets;
        for (int k = 0; k + 1 < s.gotoCount; ++k) {
            if (targets[static_cast<std::size_t>(k + 1)] == 0)
                targets[static_cast<std::size_t>(k + 1)] = targets[static_cast<std::size_t>(k)];
        }
        for (int k = 0; k < s.gotoCount; ++k) {
            const int n = s.gotoRows[static_cast<std::size_t>(k)];
            auto it = std::lower_bound(order.begin(), order.end(), n, [&](int i, int value) {
                return val(rows[static_cast<std::size_t>(i)].n) < value;
            });
            if (it == order.end()) continue;
            StatementRow& row = rows[static_cast<std::size_t>(*it)];
            if (val(row.n) != n) continue;
            row.link = targets[static_cast<std::size_t>(k)];
            row.closedKind = gotoMark(k);
        }
    }

    std::vector<StatementRow> finished;
    finished.reserve(order.size());
    for (int i : order) finished.push_back(std::move(rows[static_cast<std::size_t>(i)]));
    table.open();
    table.clear();
    table.rows() = std::move(finished);
    table.first();
    rows.clear();
    return title;
}

} // namespace vexoria::scan
