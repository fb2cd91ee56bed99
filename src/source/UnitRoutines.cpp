#include "source/UnitRoutines.h"

#include <algorithm>
#include <initializer_list>

#include "analysis/syntax/PascalTokens.h"

namespace vexoria {

namespace {

using syntax::isOneOf;
using syntax::isRoutineWord;
using syntax::isSectionWord;
using syntax::Token;

struct Incomplete {};

class RoutineFinder {
public:
    RoutineFinder(const QStringList& lines, int implLine)
    {
        QString text;
        for (qsizetype i = std::max(implLine, 0); i < lines.size(); ++i) {
            m_lineStarts.push_back(static_cast<int>(text.size()));
            text += lines[i];
            text += u'\n';
        }
        m_firstLine = std::max(implLine, 0);
        m_tokens = syntax::tokenize(text).tokens;
        m_n = static_cast<int>(m_tokens.size());
    }

    std::vector<UnitRoutine> run()
    {
        while (m_i < m_n) {
            if (startsHeading() && atBoundary()) {
                const int start = m_i;
                try {
                    routine(-1);
                } catch (const Incomplete&) {
                    // A routine this reader cannot follow is left out; the
                    // search goes on after its heading's first word.
                    m_i = start + 1;
                    m_depth = 0;
                }
            } else if (isSectionWord(at())) {
                ++m_i;
                section();
            } else {
                ++m_i;
            }
        }
        return std::move(m_found);
    }

private:
    const Token& at(int k = 0) const
    {
        static const Token none;
        const int i = m_i + k;
        return i < m_n ? m_tokens[static_cast<std::size_t>(i)] : none;
    }
    int lineOf(int token) const
    {
        const int pos = m_tokens[static_cast<std::size_t>(token)].begin;
        const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), pos);
        return m_firstLine + static_cast<int>(it - m_lineStarts.begin()) - 1;
    }
    bool startsHeading() const
    {
        return isRoutineWord(at()) || (isOneOf(at(), {"class", "generic"}) && isRoutineWord(at(1)));
    }
    bool atBoundary() const
    {
        if (m_i == 0) return true;
        const Token& before = m_tokens[static_cast<std::size_t>(m_i - 1)];
        return before.isSymbol(";") || before.isWord("implementation");
    }
    void need() const
    {
        if (m_i >= m_n) throw Incomplete{};
    }

    void toSemicolon() { m_i = syntax::pastSemicolon(m_tokens, m_i); }

    // A var, const or type section: records, objects, classes and interfaces
    // nest down to their end; it ends at a begin, another section or a
    // routine heading after a ";".
    void section()
    {
        int depth = 0;
        while (m_i < m_n) {
            const Token& t = at();
            if (depth == 0) {
                if (isOneOf(t, {"begin", "asm", "initialization", "finalization"}) || isSectionWord(t)) return;
                if (startsHeading() && atBoundary()) return;
            }
            if (isOneOf(t, {"record", "object", "interface", "dispinterface"})) {
                ++depth;
            } else if (t.isWord("class")) {
                const Token& next = at(1);
                const bool noBody = next.isSymbol(";") || next.isWord("of") || isRoutineWord(next) ||
                                    isOneOf(next, {"var", "property", "const", "threadvar"});
                if (!noBody) ++depth;
            } else if (t.isWord("end")) {
                if (depth > 0) --depth;
            }
            ++m_i;
        }
    }

    // A heading, its declarations and nested routines, and its body. A
    // routine whose body is not found is left out, with what it held.
    void routine(int outer)
    {
        UnitRoutine r;
        r.headingLine = lineOf(m_i);
        r.outer = outer;
        toSemicolon();
        // Directives: every word up to a begin, a section or a heading.
        bool bodiless = false;
        while (m_i < m_n && at().kind == syntax::TokenKind::Word &&
               !isOneOf(at(), {"begin", "asm", "var", "const", "type", "label", "resourcestring", "threadvar", "class",
                               "generic"}) &&
               !isRoutineWord(at())) {
            if (isOneOf(at(), {"forward", "external"})) bodiless = true;
            toSemicolon();
        }
        if (bodiless) return;
        const std::size_t index = m_found.size();
        m_found.push_back(r);
        try {
            body(index);
        } catch (const Incomplete&) {
            m_found.resize(index);
            throw;
        }
    }

    void body(std::size_t index)
    {
        for (;;) {
            need();
            if (at().isWord("begin") || at().isWord("asm")) break;
            if (startsHeading()) {
                // No real code nests routines this deep; a text of nothing but
                // headings must not take the reader that deep.
                if (++m_depth > kDeepestNesting) throw Incomplete{};
                const std::size_t nestedIndex = m_found.size();
                routine(static_cast<int>(index));
                --m_depth;
                if (m_found.size() > nestedIndex) m_found[index].nested.push_back(static_cast<int>(nestedIndex));
            } else if (isSectionWord(at())) {
                ++m_i;
                section();
            } else {
                throw Incomplete{};
            }
        }
        m_found[index].bodyLine = lineOf(m_i);
        int depth = 0;
        for (;;) {
            need();
            const Token& t = at();
            if (t.isWord("asm")) {
                // Its instructions run to the first end.
                ++m_i;
                while (m_i < m_n && !at().isWord("end")) ++m_i;
                need();
                if (depth == 0) break;
            } else if (isOneOf(t, {"begin", "case", "try"})) {
                ++depth;
            } else if (t.isWord("end")) {
                if (--depth == 0) break;
            }
            ++m_i;
        }
        m_found[index].endLine = lineOf(m_i);
        ++m_i;
        if (at().isSymbol(";")) ++m_i;
    }

    std::vector<int> m_lineStarts;
    int m_firstLine = 0;
    std::vector<Token> m_tokens;
    int m_n = 0;
    int m_i = 0;
    std::vector<UnitRoutine> m_found;
    static constexpr int kDeepestNesting = 16;
    int m_depth = 0;
};

} // namespace

std::vector<UnitRoutine> findUnitRoutines(const QStringList& lines, int implLine)
{
    return RoutineFinder(lines, implLine).run();
}

} // namespace vexoria
