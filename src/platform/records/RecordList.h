#pragma once
// An ordered in-memory record list with a current-row cursor: the storage of
// the statement, template and connection tables. The cursor rules follow the
// data-set model the stages are written against:
//  - first()/last() set bof()/eof() as a data set does on its ends;
//  - next() past the last row and prior() before the first leave the cursor
//    where it is and raise eof()/bof();
//  - after remove() the cursor stands on the following row, or on the
//    previous one when the last row was deleted;
//  - a failed locate leaves the cursor where it was;
//  - sortBy() keeps the cursor on the same record.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <numeric>
#include <optional>
#include <vector>

#include <QString>

namespace vexoria {

// Compares two sort keys: unset values first, text without regard to case.
template <class T>
inline int compareKeys(const std::optional<T>& a, const std::optional<T>& b)
{
    if (!a && !b) return 0;
    if (!a) return -1;
    if (!b) return 1;
    if constexpr (std::is_same_v<T, QString>) {
        return QString::compare(*a, *b, Qt::CaseInsensitive);
    } else {
        return *a < *b ? -1 : (*b < *a ? 1 : 0);
    }
}

template <class Row>
class RecordList {
public:
    // open() on a closed list creates it empty; on an open one it does nothing.
    void open() { m_open = true; }
    // close() discards every row.
    void close()
    {
        m_open = false;
        clear();
    }
    bool isOpen() const { return m_open; }
    void clear()
    {
        m_rows.clear();
        m_cur = 0;
        m_bof = m_eof = true;
    }

    int size() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // Appends a row at the end; it becomes the current row.
    Row& append(Row row = Row{})
    {
        m_open = true;
        m_rows.push_back(std::move(row));
        m_cur = m_rows.size() - 1;
        m_bof = m_eof = false;
        return m_rows.back();
    }

    // Inserts a row before the current one (at the end of an empty list);
    // the new row becomes current.
    Row& insert(Row row = Row{})
    {
        m_open = true;
        std::size_t at = m_rows.empty() ? 0 : m_cur;
        m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
        m_cur = at;
        m_bof = m_eof = false;
        return m_rows[at];
    }

    // The current row. Calling it on an empty list is a programming error.
    Row& current() { return m_rows[m_cur]; }
    const Row& current() const { return m_rows[m_cur]; }
    bool hasCurrent() const { return !m_rows.empty(); }
    int position() const { return static_cast<int>(m_cur); }
    void setPosition(int index)
    {
        if (index >= 0 && index < size()) {
            m_cur = static_cast<std::size_t>(index);
            m_bof = m_eof = false;
        }
    }

    // Deletes the current row.
    void remove()
    {
        if (m_rows.empty()) return;
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(m_cur));
        if (m_cur >= m_rows.size() && m_cur > 0) m_cur = m_rows.size() - 1;
        if (m_rows.empty()) {
            m_cur = 0;
            m_bof = m_eof = true;
        } else {
            m_bof = m_eof = false;
        }
    }

    void first()
    {
        m_cur = 0;
        m_bof = true;
        m_eof = m_rows.empty();
    }
    void last()
    {
        m_cur = m_rows.empty() ? 0 : m_rows.size() - 1;
        m_eof = true;
        m_bof = m_rows.empty();
    }
    void next()
    {
        if (m_cur + 1 < m_rows.size()) {
            ++m_cur;
            m_bof = m_eof = false;
        } else {
            m_eof = true;
            m_bof = false;
        }
    }
    void prior()
    {
        if (m_cur > 0 && !m_rows.empty()) {
            --m_cur;
            m_bof = m_eof = false;
        } else {
            m_bof = true;
            m_eof = m_rows.empty();
        }
    }
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }

    // Moves to the first row that satisfies pred; a failed find leaves the
    // cursor where it was.
    template <class Pred>
    bool locate(Pred pred)
    {
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if (pred(m_rows[i])) {
                m_cur = i;
                m_bof = m_eof = false;
                return true;
            }
        }
        return false;
    }

    // Index of the first row that satisfies pred, or -1; the cursor stays.
    template <class Pred>
    int find(Pred pred) const
    {
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            if (pred(m_rows[i])) return static_cast<int>(i);
        return -1;
    }

    // Sorts ascending on one key (a function returning std::optional<T>):
    // unset keys first, text compared without case. The cursor stays on the
    // record it stood on.
    template <class KeyFn>
    void sortBy(KeyFn key)
    {
        if (m_rows.empty()) return;
        // The stages ask for their order at every step, and the table is
        // nearly always in it already: one look along the rows then does,
        // where sorting would move every row of a long chart's table.
        if (sortedBy(key)) return;
        std::vector<std::size_t> order(m_rows.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return compareKeys(key(m_rows[a]), key(m_rows[b])) < 0; });
        std::vector<Row> sorted;
        sorted.reserve(m_rows.size());
        std::size_t newCur = 0;
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (order[i] == m_cur) newCur = i;
            sorted.push_back(std::move(m_rows[order[i]]));
        }
        m_rows = std::move(sorted);
        m_cur = newCur;
    }

    // Whether the rows are in the order of key already (a stable sort would
    // leave them as they are).
    template <class KeyFn>
    bool sortedBy(KeyFn key) const
    {
        for (std::size_t i = 1; i < m_rows.size(); ++i)
            if (compareKeys(key(m_rows[i]), key(m_rows[i - 1])) < 0) return false;
        return true;
    }

    const std::vector<Row>& rows() const { return m_rows; }
    std::vector<Row>& rows() { return m_rows; }
    Row& at(int i) { return m_rows[static_cast<std::size_t>(i)]; }
    const Row& at(int i) const { return m_rows[static_cast<std::size_t>(i)]; }

private:
    std::vector<Row> m_rows;
    std::size_t m_cur = 0;
    bool m_open = false;
    bool m_bof = true;
    bool m_eof = true;
};

} // namespace vexoria
