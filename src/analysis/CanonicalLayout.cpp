#include "analysis/CanonicalLayout.h"

#include "analysis/syntax/SourceLines.h"

namespace vexoria::scan {

namespace {

using syntax::Statement;
using syntax::StatementKind;

const QString kLineBreak = QStringLiteral("\r\n");

class Layout {
public:
    Layout(const QString& text, const syntax::Routine& routine)
        : m_text(text), m_tokens(routine.tokens.tokens), m_comments(routine.tokens.comments), m_lines(text)
    {
    }

    QString run(const syntax::Routine& r)
    {
        if (r.bodyBegin >= 0) {
            // The heading and declarations as they were, without the routines
            // nested in them: each of those has a chart of its own.
            int from = 0;
            for (const auto& [first, second] : r.nestedRoutines) {
                m_out += declarations(from, first);
                from = second;
            }
            m_out += declarations(from, token(r.bodyBegin).begin);
            if (!m_out.isEmpty() && !m_out.endsWith(u'\n') && !m_out.endsWith(u'\r')) {
                m_out += kLineBreak;
                m_origins.push_back(m_copiedLine);
            }
            // Comments before the routine's begin stay where they were.
            skipCommentsBefore(token(r.bodyBegin).end);
            synthetic(QStringLiteral("begin"), 0);
            list(r.statements, 1);
            flushComments(token(r.bodyEnd).begin, 1);
            endOfList();
            const int endLine = m_lines.lineOf(token(r.bodyEnd).begin);
            m_copiedLine = {endLine, endLine};
            m_copyOpen = true;
            m_out += QStringLiteral("end");
            m_out += copied(token(r.bodyEnd).end, static_cast<int>(m_text.size()));
            m_origins.push_back(m_copiedLine);
        } else {
            // Bare statements: two empty lines first, so that an if at the
            // very start is not taken for the second head of a chain.
            m_out = kLineBreak + kLineBreak;
            m_origins.resize(2);
            list(r.statements, 0);
            flushComments(static_cast<int>(m_text.size()), 0);
        }
        return m_out;
    }

    // One entry for each line of the result.
    std::vector<LineOrigin> origins() const
    {
        std::vector<LineOrigin> out = m_origins;
        const auto lines =
            static_cast<std::size_t>(syntax::SourceLines(m_out).lineOf(static_cast<int>(m_out.size())) + 1);
        out.resize(lines);
        return out;
    }

private:
    const syntax::Token& token(int i) const { return m_tokens[static_cast<std::size_t>(i)]; }
    bool isSymbolAt(int i, const char* s) const
    {
        return i >= 0 && i < static_cast<int>(m_tokens.size()) && token(i).isSymbol(s);
    }

    // The text of the declarations from..to as it stands, except that the end
    // of a record, object or class type that starts a line moves, with its
    // ";", to the end of the code on the line before it: the scan would take
    // an "end;" line for the end of a construct. A comment between them stays
    // after it.
    QString declarations(int from, int to)
    {
        QString out;
        int copiedTo = from;
        for (std::size_t i = 1; i < m_tokens.size(); ++i) {
            const syntax::Token& t = m_tokens[i];
            if (t.begin < from) continue;
            if (t.begin >= to) break;
            const syntax::Token& before = m_tokens[i - 1];
            if (!t.isWord("end") || before.end < from || m_lines.lineOf(before.end) == m_lines.lineOf(t.begin))
                continue;
            const bool semicolon =
                i + 1 < m_tokens.size() && m_tokens[i + 1].isSymbol(";") && m_tokens[i + 1].end <= to;
            const QString gap = m_text.mid(before.end, t.begin - before.end);
            out += copied(copiedTo, before.end);
            out += semicolon ? QStringLiteral(" end;") : QStringLiteral(" end");
            if (gap.contains(QLatin1String("//"))) out += endedLines(gap.trimmed().prepend(u' '));
            else if (!flat(gap).isEmpty()) out += u' ' + flat(gap);
            copiedTo = semicolon ? m_tokens[i + 1].end : t.end;
        }
        out += copied(copiedTo, to);
        return out;
    }

    // The code from..to as it stands. Each line it ends is one of the result's
    // lines, made from the code's line it ends on; the line it leaves open
    // goes on with the code's line it starts on.
    QString copied(int from, int to)
    {
        if (to <= from) return QString();
        if (!m_copyOpen) {
            m_copiedLine = {m_lines.lineOf(from), m_lines.lineOf(from)};
            m_copyOpen = true;
        }
        for (int i = from; i < to; ++i) {
            const QChar c = m_text.at(i);
            if (c == u'\r' || (c == u'\n' && (i == 0 || m_text.at(i - 1) != u'\r'))) {
                m_origins.push_back(m_copiedLine);
                const int next = m_lines.lineOf(i) + 1;
                m_copiedLine = {next, next};
            }
        }
        return m_text.mid(from, to - from);
    }
    // A piece that is not the code as it stands but may end lines of it (the
    // comments after a moved end): each line it ends stays with the line
    // being copied.
    QString endedLines(const QString& piece)
    {
        for (int i = 0; i < piece.size(); ++i) {
            const QChar c = piece.at(i);
            if (c == u'\r' || (c == u'\n' && (i == 0 || piece.at(i - 1) != u'\r'))) m_origins.push_back(m_copiedLine);
        }
        return piece;
    }

    // The code of tokens first..last as one line: comments left out, line
    // breaks and the blanks around them made one blank.
    QString code(int first, int last) const
    {
        QString out;
        for (int i = first; i <= last; ++i) {
            if (i > first) {
                const int gapBegin = token(i - 1).end;
                const QStringView gap = QStringView(m_text).mid(gapBegin, token(i).begin - gapBegin);
                bool plain = true;
                for (QChar c : gap)
                    if (!(c == u' ' || c == u'\t')) plain = false;
                if (plain) out += gap;
                else out += u' ';
            }
            out += QStringView(m_text).mid(token(i).begin, token(i).end - token(i).begin);
        }
        return out;
    }

    static QString flat(const QString& body)
    {
        QString s = body;
        s.replace(u'\r', u' ');
        s.replace(u'\n', u' ');
        return s.trimmed();
    }

    void put(const QString& line, int depth)
    {
        m_out += QString(depth * 2, u' ') + line + kLineBreak;
        m_origins.push_back(m_origin);
        m_origin = {};
    }
    void synthetic(const QString& line, int depth)
    {
        endOfList();
        put(line, depth);
    }

    void skipCommentsBefore(int pos)
    {
        while (m_next < m_comments.size() && m_comments[m_next].begin < pos) ++m_next;
    }
    // Comments that stand before pos become comment lines of their own, which
    // the scanner gives to the next row it makes at a line end.
    void flushComments(int pos, int depth)
    {
        while (m_next < m_comments.size() && m_comments[m_next].begin < pos) {
            const syntax::Comment& c = m_comments[m_next++];
            if (c.directive) continue;
            const QString body = flat(c.body);
            if (!body.isEmpty()) put(QStringLiteral("// ") + body, depth);
        }
    }
    // A line of code from tokens first..last, with the comments inside it and
    // after it on its last line.
    void source(const QString& line, int first, int last, int depth, bool comments = true)
    {
        if (comments && !m_holdComments) flushComments(token(first).begin, depth);
        m_holdComments = false;
        QString trailing;
        if (comments) {
            const int lastLine = m_lines.lineOf(token(last).end - 1);
            const int nextBegin =
                last + 1 < static_cast<int>(m_tokens.size()) ? token(last + 1).begin : static_cast<int>(m_text.size());
            while (
                m_next < m_comments.size() && m_comments[m_next].begin < nextBegin &&
                (m_comments[m_next].begin < token(last).end || m_lines.lineOf(m_comments[m_next].begin) == lastLine)) {
                const syntax::Comment& c = m_comments[m_next++];
                if (c.directive) continue;
                const QString body = flat(c.body);
                if (!body.isEmpty()) trailing += (trailing.isEmpty() ? QString() : QStringLiteral(" ")) + body;
            }
        }
        QString text = m_labels + line;
        m_labels.clear();
        if (!trailing.isEmpty()) text += QStringLiteral(" // ") + trailing;
        m_origin = {m_lines.lineOf(token(first).begin), m_lines.lineOf(token(last).end - 1)};
        put(text, depth);
    }

    void labels(const Statement& s)
    {
        for (int l : s.labels) m_labels += token(l).text + QStringLiteral(": ");
    }

    void list(const syntax::StatementList& list, int depth)
    {
        for (const auto& s : list) statement(*s, depth);
    }

    // The statement after then, do or else, between begin and end lines; the
    // end takes no ";" before an else.
    void block(const Statement* s, int depth, bool beforeElse = false)
    {
        synthetic(QStringLiteral("begin"), depth);
        if (s != nullptr) inner(*s, depth + 1);
        synthetic(beforeElse ? QStringLiteral("end") : QStringLiteral("end;"), depth);
    }
    // A compound statement's statements stand in the block of their own.
    void inner(const Statement& s, int depth)
    {
        if (s.kind == StatementKind::Compound && s.labels.empty()) list(s.body, depth);
        else statement(s, depth);
    }

    // A simple statement keeps the ";" after it, and has none where the code
    // has none (before an end or else), so that its text stays the code's.
    // Where another statement follows it here (its begin..end was written
    // out inline) it gets one. Exit, break and goto always have one: the
    // scan reads them up to it.
    void simple(const Statement& s, int depth, bool alwaysSemicolon)
    {
        int last = s.last;
        const bool has = isSymbolAt(last + 1, ";");
        if (has) ++last;
        source(code(s.first, s.last) + (has || alwaysSemicolon ? QStringLiteral(";") : QString()), s.first, last,
               depth);
        if (!has && !alwaysSemicolon) m_missingSemicolon = static_cast<int>(m_out.size() - kLineBreak.size());
    }
    void separate()
    {
        if (m_missingSemicolon >= 0) m_out.insert(m_missingSemicolon, u';');
        m_missingSemicolon = -1;
    }
    void endOfList() { m_missingSemicolon = -1; }

    void head(const QString& word, const Statement& s, const QString& endWord, int depth, bool comments = true)
    {
        QString line = word;
        int last = s.first;
        if (s.headFirst >= 0) {
            line += u' ' + code(s.headFirst, s.headLast);
            last = s.headLast;
        }
        if (!endWord.isEmpty()) {
            line += u' ' + endWord;
            ++last;
        }
        source(line, s.first, last, depth, comments);
    }

    void statement(const Statement& s, int depth)
    {
        separate();
        labels(s);
        switch (s.kind) {
        case StatementKind::Simple:
            if (!s.labels.empty() && s.first == s.labels.back()) {
                // A label before nothing.
                QString text = m_labels.trimmed();
                m_labels.clear();
                put(text, depth);
                return;
            }
            [[fallthrough]];
        case StatementKind::Exit:
        case StatementKind::Break:
        case StatementKind::Goto: simple(s, depth, s.kind != StatementKind::Simple); return;
        case StatementKind::Compound:
            list(s.body, depth);
            if (!m_labels.isEmpty()) {
                put(m_labels.trimmed(), depth);
                m_labels.clear();
            }
            return;
        case StatementKind::If:
            head(QStringLiteral("if"), s, QStringLiteral("then"), depth);
            block(s.thenPart.get(), depth, s.elseToken >= 0);
            if (s.elseToken >= 0) {
                synthetic(QStringLiteral("else"), depth);
                block(s.elsePart.get(), depth);
            }
            return;
        case StatementKind::While: loop(QStringLiteral("while"), s, depth); return;
        case StatementKind::For: loop(QStringLiteral("for"), s, depth); return;
        case StatementKind::With: loop(QStringLiteral("with"), s, depth); return;
        case StatementKind::Repeat: {
            source(QStringLiteral("repeat"), s.first, s.first, depth);
            list(s.body, depth + 1);
            endOfList();
            QString line = QStringLiteral("until");
            int last = s.partToken;
            if (s.headFirst >= 0) {
                line += u' ' + code(s.headFirst, s.headLast);
                last = s.headLast;
            }
            if (isSymbolAt(last + 1, ";")) ++last;
            source(line + u';', s.partToken, last, depth);
            return;
        }
        case StatementKind::Case: caseStatement(s, depth); return;
        case StatementKind::Try: tryStatement(s, depth); return;
        case StatementKind::OnHandler: handler(s, depth); return;
        }
    }

    void loop(const QString& word, const Statement& s, int depth)
    {
        head(word, s, QStringLiteral("do"), depth);
        block(s.thenPart.get(), depth);
    }

    // The branch scanner reads the lines between "case … of" and the case's
    // end line by line: no comment line may stand among them.
    void caseStatement(const Statement& s, int depth)
    {
        head(QStringLiteral("case"), s, QStringLiteral("of"), depth, false);
        for (const syntax::CaseBranch& b : s.branches) {
            m_origin = {m_lines.lineOf(token(b.labelFirst).begin), m_lines.lineOf(token(b.labelLast).end - 1)};
            put(code(b.labelFirst, b.labelLast) + QStringLiteral(": begin"), depth + 1);
            if (b.statement) inner(*b.statement, depth + 2);
            endOfList();
            put(QStringLiteral("end;"), depth + 1);
        }
        if (s.hasElse) {
            put(QStringLiteral("else begin"), depth + 1);
            list(s.body, depth + 2);
            endOfList();
            put(QStringLiteral("end;"), depth + 1);
        }
        put(QStringLiteral("end;"), depth);
    }

    void tryStatement(const Statement& s, int depth)
    {
        // The try block reads the next line as its statement: no comment may
        // come between.
        source(QStringLiteral("try"), s.first, s.first, depth, false);
        m_holdComments = true;
        for (std::size_t i = 0; i < s.body.size(); ++i) {
            const Statement& b = *s.body[i];
            // The try block holds its first statement, read up to its ";".
            if (i == 0 && b.kind == StatementKind::Simple && b.labels.empty()) {
                simple(b, depth + 1, true);
                continue;
            }
            statement(b, depth + 1);
        }
        endOfList();
        source(s.finallyPart ? QStringLiteral("finally") : QStringLiteral("except"), s.partToken, s.partToken, depth);
        list(s.handlers, depth + 1);
        flushComments(token(s.endToken).begin, depth + 1);
        endOfList();
        source(QStringLiteral("end;"), s.endToken, s.endToken, depth, false);
    }

    // "on E: T do" stays one text line with a simple statement after it;
    // anything else follows it.
    void handler(const Statement& s, int depth)
    {
        const Statement* body = s.thenPart.get();
        const QString onText = code(s.headFirst, s.headLast);
        if (body != nullptr && body->kind == StatementKind::Simple && body->labels.empty()) {
            int last = body->last;
            if (isSymbolAt(last + 1, ";")) ++last;
            source(onText + u' ' + code(body->first, body->last) + u';', s.first, last, depth);
            return;
        }
        source(onText, s.first, s.headLast, depth);
        if (body != nullptr) inner(*body, depth + 1);
    }

    const QString& m_text;
    const std::vector<syntax::Token>& m_tokens;
    const std::vector<syntax::Comment>& m_comments;
    syntax::SourceLines m_lines;
    std::size_t m_next = 0;
    bool m_holdComments = false;
    int m_missingSemicolon = -1; // where a ";" goes if another statement follows
    QString m_labels;
    QString m_out;
    std::vector<LineOrigin> m_origins; // of the lines of m_out ended so far
    LineOrigin m_origin;               // of the line put next
    // The code's lines copied as they stand: the origin of the result's line
    // being copied, and whether a copy left it open.
    LineOrigin m_copiedLine;
    bool m_copyOpen = false;
};

} // namespace

QString layOutCanonically(const QString& text, const syntax::Routine& routine, std::vector<LineOrigin>* origins)
{
    Layout layout(text, routine);
    QString out = layout.run(routine);
    if (origins != nullptr) *origins = layout.origins();
    return out;
}

} // namespace vexoria::scan
