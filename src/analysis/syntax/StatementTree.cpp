#include "analysis/syntax/StatementTree.h"

#include <initializer_list>

namespace vexoria::syntax {

namespace {

struct NotReadable {};

// Words after a heading that qualify the routine; each runs to its ";".
bool isDirective(const Token& t)
{
    return isOneOf(t, {"overload",
                       "virtual",
                       "override",
                       "abstract",
                       "static",
                       "inline",
                       "cdecl",
                       "stdcall",
                       "register",
                       "pascal",
                       "safecall",
                       "forward",
                       "external",
                       "assembler",
                       "reintroduce",
                       "dynamic",
                       "message",
                       "export",
                       "public",
                       "nostackframe",
                       "deprecated",
                       "platform",
                       "experimental",
                       "unimplemented",
                       "far",
                       "near",
                       "local",
                       "varargs",
                       "compilerproc",
                       "iocheck",
                       "interrupt",
                       "noreturn",
                       "rtlproc",
                       "final",
                       "winapi",
                       "hardfloat",
                       "vectorcall",
                       "mwpascal",
                       "softfloat",
                       "internproc",
                       "internconst",
                       "oldfpccall",
                       "saveregisters",
                       "cppdecl",
                       "alias",
                       "weakexternal",
                       "section",
                       "ms_abi_default",
                       "sysv_abi_default",
                       "ms_abi_cdecl",
                       "sysv_abi_cdecl",
                       "enumerator",
                       "noinline"});
}

class Reader {
public:
    explicit Reader(Routine& r) : m_r(r), m_t(r.tokens.tokens), m_n(static_cast<int>(m_t.size())) {}

    void routine()
    {
        if (m_n == 0) throw NotReadable{};
        if (at().isWord("program") || at().isWord("library")) toSemicolon();
        if (at().isWord("uses")) toSemicolon();
        int routineStart = m_i;
        if (startsHeading()) {
            heading();
            if (bodiless()) throw NotReadable{};
        }
        if (startsHeading() || isSectionWord(at()) || at().isWord("begin") || at().isWord("asm")) {
            block();
            // A routine copied without its heading starts with a routine
            // nested in it: when declarations and a statement part follow its
            // block, the block read so far was that routine's, and the
            // routine's own statement part comes after it.
            while (!atEnd()) {
                while (at().isSymbol(";") && !atEnd()) ++m_i;
                if (!(isSectionWord(at()) || at().isWord("begin") || startsHeading())) return;
                const int resumeAt = m_i;
                const std::pair<int, int> nested{m_t[static_cast<std::size_t>(routineStart)].begin,
                                                 m_t[static_cast<std::size_t>(m_i - 1)].end};
                StatementList earlier = std::move(m_r.statements);
                const int earlierBegin = m_r.bodyBegin;
                const int earlierEnd = m_r.bodyEnd;
                const std::size_t earlierNested = m_r.nestedRoutines.size();
                try {
                    m_r.nestedRoutines.push_back(nested);
                    block();
                } catch (const NotReadable&) {
                    m_r.statements = std::move(earlier);
                    m_r.bodyBegin = earlierBegin;
                    m_r.bodyEnd = earlierEnd;
                    m_r.nestedRoutines.resize(earlierNested);
                    m_i = resumeAt;
                    return;
                }
                routineStart = resumeAt;
            }
            return;
        }
        // A bare list of statements.
        list(m_r.statements, {});
        if (m_i < m_n) throw NotReadable{};
    }

private:
    // Declarations, then the statement part: begin … end.
    void block()
    {
        declarations();
        if (at().isWord("asm")) throw NotReadable{};
        expectWord("begin");
        m_r.bodyBegin = m_i;
        ++m_i;
        m_r.statements.clear();
        list(m_r.statements, {"end"});
        expectWord("end");
        m_r.bodyEnd = m_i;
        ++m_i;
    }

    const Token& at(int k = 0) const
    {
        static const Token none;
        const int i = m_i + k;
        return i < m_n ? m_t[static_cast<std::size_t>(i)] : none;
    }
    bool atEnd() const { return m_i >= m_n; }
    void need() const
    {
        if (atEnd()) throw NotReadable{};
    }
    void expectWord(const char* w)
    {
        if (!at().isWord(w) || atEnd()) throw NotReadable{};
    }

    bool startsHeading() const
    {
        return isRoutineWord(at()) || (at().isWord("class") && isRoutineWord(at(1))) ||
               (at().isWord("generic") && isRoutineWord(at(1)));
    }

    // Steps over tokens up to and past the next ";" outside brackets.
    void toSemicolon() { m_i = pastSemicolon(m_t, m_i); }

    void heading()
    {
        toSemicolon();
        while (!atEnd() && isDirective(at()) && !at(1).isSymbol(":") && !at(1).isSymbol(":=")) {
            if (at().isWord("forward") || at().isWord("external")) m_bodiless = true;
            toSemicolon();
        }
    }
    bool bodiless()
    {
        const bool b = m_bodiless;
        m_bodiless = false;
        return b;
    }

    // Declaration sections and nested routines, up to the routine's begin.
    void declarations()
    {
        while (!atEnd()) {
            if (at().isWord("begin") || at().isWord("asm")) return;
            if (startsHeading()) {
                nestedRoutine();
            } else if (isSectionWord(at())) {
                ++m_i;
                section();
            } else {
                throw NotReadable{};
            }
        }
        throw NotReadable{};
    }

    void nestedRoutine()
    {
        const int start = at().begin;
        heading();
        if (bodiless()) return;
        if (++m_depth > kDeepestNesting) throw NotReadable{};
        declarations();
        if (at().isWord("asm")) {
            // Its end is the first "end" after it.
            while (!atEnd() && !at().isWord("end")) ++m_i;
        } else {
            expectWord("begin");
            ++m_i;
            StatementList ignored;
            list(ignored, {"end"});
        }
        --m_depth;
        expectWord("end");
        ++m_i;
        if (at().isSymbol(";")) ++m_i;
        if (m_depth == 0) m_r.nestedRoutines.emplace_back(start, m_t[static_cast<std::size_t>(m_i - 1)].end);
    }

    // The body of a var, const, type or label section. Records, objects,
    // classes and interfaces nest down to their "end"; a routine word after a
    // ";" outside them starts a nested routine, while one after "=" or ":" is
    // a procedure type.
    void section()
    {
        int depth = 0;
        while (!atEnd()) {
            const Token& t = at();
            if (depth == 0) {
                if (t.isWord("begin") || t.isWord("asm") || isSectionWord(t)) return;
                if (startsHeading() && m_i > 0 && m_t[static_cast<std::size_t>(m_i - 1)].isSymbol(";")) return;
            }
            if (isOneOf(t, {"record", "object", "interface", "dispinterface"})) {
                ++depth;
            } else if (t.isWord("class") && !classWithoutBody()) {
                ++depth;
            } else if (t.isWord("end")) {
                --depth;
                if (depth < 0) throw NotReadable{};
            }
            ++m_i;
        }
    }
    // "class;", "class of T" and "class(T);" declare no members.
    bool classWithoutBody() const
    {
        const Token& next = at(1);
        if (next.isSymbol(";") || next.isWord("of") || isRoutineWord(next) || next.isWord("var") ||
            next.isWord("property") || next.isWord("const") || next.isWord("threadvar"))
            return true;
        if (!next.isSymbol("(")) return false;
        int k = 1;
        int depth = 0;
        for (; m_i + k < m_n; ++k) {
            const Token& t = at(k);
            if (t.isSymbol("(")) ++depth;
            else if (t.isSymbol(")") && --depth == 0) break;
        }
        return at(k + 1).isSymbol(";");
    }

    bool isTerminator(const Token& t) const
    {
        return t.isSymbol(";") || isOneOf(t, {"end", "else", "until", "except", "finally"});
    }

    // Passes over an expression up to one of the stop words outside brackets;
    // returns the last token of it, or -1 when it is empty.
    int expression(std::initializer_list<const char*> stops)
    {
        int depth = 0;
        int lastToken = -1;
        while (!atEnd()) {
            const Token& t = at();
            if (depth <= 0) {
                if (isOneOf(t, stops)) return lastToken;
                if (isTerminator(t)) return lastToken;
                if (isOneOf(
                        t, {"begin", "if", "while", "for", "repeat", "case", "try", "with", "asm", "do", "then", "of"}))
                    throw NotReadable{};
            }
            if (t.isSymbol("(") || t.isSymbol("[") || t.isSymbol("(.")) ++depth;
            else if (t.isSymbol(")") || t.isSymbol("]") || t.isSymbol(".)")) --depth;
            lastToken = m_i;
            ++m_i;
        }
        return lastToken;
    }

    void head(Statement& s, const char* endWord)
    {
        ++m_i;
        s.headFirst = m_i;
        s.headLast = expression({endWord});
        if (s.headLast < 0) s.headFirst = -1;
        expectWord(endWord);
        ++m_i;
    }

    // The statements of a list up to one of the given words (which stays).
    void list(StatementList& out, std::initializer_list<const char*> stops)
    {
        for (;;) {
            if (std::unique_ptr<Statement> s = statement()) out.push_back(std::move(s));
            if (at().isSymbol(";") && !atEnd()) {
                ++m_i;
                continue;
            }
            if (stops.size() == 0 && atEnd()) return;
            if (isOneOf(at(), stops) && !atEnd()) return;
            throw NotReadable{};
        }
    }

    // The statement after then, do or else; null when it is empty.
    std::unique_ptr<Statement> statement()
    {
        // Code nested deeper than this is no routine a chart can show; the
        // reader must not run out of stack on it.
        if (++m_nesting > kDeepestNesting) throw NotReadable{};
        std::unique_ptr<Statement> s = unlabelled(labelsBefore());
        --m_nesting;
        return s;
    }

    std::vector<int> labelsBefore()
    {
        std::vector<int> labels;
        while (!atEnd() && (at().kind == TokenKind::Word || at().kind == TokenKind::Number) && at(1).isSymbol(":") &&
               !isTerminator(at()) &&
               !isOneOf(at(), {"begin", "if", "while", "for", "repeat", "case", "try", "with"})) {
            labels.push_back(m_i);
            m_i += 2;
        }
        return labels;
    }

    std::unique_ptr<Statement> unlabelled(std::vector<int> labels)
    {
        if (atEnd() || isTerminator(at())) {
            if (labels.empty()) return nullptr;
            auto s = std::make_unique<Statement>();
            s->labels = std::move(labels);
            s->first = s->labels.back();
            s->last = s->first;
            return s;
        }
        auto s = std::make_unique<Statement>();
        s->labels = std::move(labels);
        s->first = m_i;
        const Token& t = at();
        if (t.isWord("begin")) {
            s->kind = StatementKind::Compound;
            ++m_i;
            list(s->body, {"end"});
            s->endToken = m_i;
            ++m_i;
        } else if (t.isWord("if")) {
            s->kind = StatementKind::If;
            head(*s, "then");
            s->thenPart = statement();
            if (at().isWord("else") && !atEnd()) {
                s->elseToken = m_i;
                ++m_i;
                s->elsePart = statement();
            }
        } else if (t.isWord("while") || t.isWord("for") || t.isWord("with")) {
            s->kind = t.isWord("while") ? StatementKind::While
                      : t.isWord("for") ? StatementKind::For
                                        : StatementKind::With;
            head(*s, "do");
            s->thenPart = statement();
        } else if (t.isWord("repeat")) {
            s->kind = StatementKind::Repeat;
            ++m_i;
            list(s->body, {"until"});
            s->partToken = m_i;
            ++m_i;
            s->headFirst = m_i;
            s->headLast = expression({});
            if (s->headLast < 0) s->headFirst = -1;
        } else if (t.isWord("case")) {
            caseStatement(*s);
        } else if (t.isWord("try")) {
            tryStatement(*s);
        } else if (t.isWord("asm")) {
            // Its instructions run to the first "end".
            while (!atEnd() && !at().isWord("end")) ++m_i;
            need();
            ++m_i;
        } else {
            s->kind = t.isWord("exit")    ? StatementKind::Exit
                      : t.isWord("break") ? StatementKind::Break
                      : t.isWord("goto")  ? StatementKind::Goto
                                          : StatementKind::Simple;
            if (isOneOf(t, {"then", "do", "of", "to", "downto"})) throw NotReadable{};
            expression({});
            if (m_i == s->first) throw NotReadable{};
        }
        s->last = m_i - 1;
        return s;
    }

    void caseStatement(Statement& s)
    {
        s.kind = StatementKind::Case;
        head(s, "of");
        for (;;) {
            need();
            if (at().isWord("end")) break;
            if (at().isWord("else") || at().isWord("otherwise")) {
                s.elseToken = m_i;
                s.hasElse = true;
                ++m_i;
                list(s.body, {"end"});
                break;
            }
            CaseBranch b;
            b.labelFirst = m_i;
            int depth = 0;
            while (!atEnd() && !(depth == 0 && at().isSymbol(":"))) {
                if (at().isSymbol("(") || at().isSymbol("[")) ++depth;
                else if (at().isSymbol(")") || at().isSymbol("]")) --depth;
                if (isTerminator(at()) && depth == 0) throw NotReadable{};
                ++m_i;
            }
            need();
            b.labelLast = m_i - 1;
            if (b.labelLast < b.labelFirst) throw NotReadable{};
            ++m_i;
            b.statement = statement();
            s.branches.push_back(std::move(b));
            if (at().isSymbol(";")) ++m_i;
            else if (!at().isWord("end") && !at().isWord("else") && !at().isWord("otherwise")) throw NotReadable{};
        }
        expectWord("end");
        s.endToken = m_i;
        ++m_i;
    }

    void tryStatement(Statement& s)
    {
        s.kind = StatementKind::Try;
        ++m_i;
        list(s.body, {"except", "finally"});
        s.partToken = m_i;
        s.finallyPart = at().isWord("finally");
        ++m_i;
        if (!s.finallyPart && at().isWord("on")) {
            while (at().isWord("on")) {
                auto h = std::make_unique<Statement>();
                h->kind = StatementKind::OnHandler;
                h->first = m_i;
                while (!atEnd() && !at().isWord("do")) {
                    if (isTerminator(at())) throw NotReadable{};
                    ++m_i;
                }
                need();
                h->headFirst = h->first;
                h->headLast = m_i; // up to and with its "do"
                ++m_i;
                h->thenPart = statement();
                h->last = m_i - 1;
                s.handlers.push_back(std::move(h));
                if (at().isSymbol(";")) ++m_i;
                // A handler's begin..end written out line by line: its
                // statements follow it up to the next handler.
                while (!atEnd() && !at().isWord("on") && !at().isWord("else") && !at().isWord("end")) {
                    if (std::unique_ptr<Statement> more = statement()) s.handlers.push_back(std::move(more));
                    if (!at().isSymbol(";")) break;
                    ++m_i;
                }
            }
            // The handlers' own else: its statements follow them.
            if (at().isWord("else")) {
                s.elseToken = m_i;
                ++m_i;
                list(s.handlers, {"end"});
            }
        } else {
            list(s.handlers, {"end"});
        }
        expectWord("end");
        s.endToken = m_i;
        ++m_i;
    }

    Routine& m_r;
    const std::vector<Token>& m_t;
    int m_n;
    int m_i = 0;
    bool m_bodiless = false;
    int m_depth = 0; // routines nested in nested routines
    static constexpr int kDeepestNesting = 1000;
    int m_nesting = 0; // statements inside statements
};

} // namespace

std::optional<Routine> readRoutine(const QString& text)
{
    Routine r;
    r.tokens = tokenize(text);
    try {
        Reader(r).routine();
    } catch (const NotReadable&) {
        return std::nullopt;
    }
    return r;
}

} // namespace vexoria::syntax
