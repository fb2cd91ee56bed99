#include "analysis/CaseScanner.h"

namespace vexoria::scan {

namespace {

// The branch scanner reads line by line and assumes every line ends with
// CR LF. When a read runs into the end of the text instead, the case is left
// where it stands: pos goes past the end, so the main scan ends too.
struct EndOfText {};

// Moves one forward; at the end of the text the case scan stops.
void advance(ScanState& s)
{
    ++s.pos;
    if (s.atEnd()) throw EndOfText{};
}

// The first word of a branch statement, also used by the case else: the word
// with the blank after it, or the word alone when it ends the line. The
// character after a leading blank is always taken, even the CR of a label or
// "else" that ends its line with blanks: the word then starts with the line
// break and runs on to the blank after it, so such a branch is a text row
// beginning with "\r\n" and never a begin..end body.
void readFirstWord(ScanState& s)
{
    if (isBlank(s.c())) {
        advance(s);
        s.word += ScanState::lower(s.c());
    }
    while (!isBlank(s.c())) {
        advance(s);
        if (s.c() == kCR) break;
        s.word += ScanState::lower(s.c());
    }
}

// Appends the rest of the line to word; pos ends on the CR.
void readRestOfLine(ScanState& s)
{
    while (s.c() != kCR) {
        advance(s);
        if (s.c() == kCR) break;
        s.word += ScanState::lower(s.c());
    }
}

// Reads the line after pos up to its CR into text; pos ends on the CR.
void readLine(ScanState& s, QString& text)
{
    for (;;) {
        advance(s);
        if (s.c() == kCR) return;
        text += ScanState::lower(s.c());
    }
}

// A comment that ends the label's line ("1: // note") is the comment of the
// branch; the branch's statement starts on the next line.
void labelComment(ScanState& s, StatementRow& branch)
{
    int p = s.pos + 1;
    while (isBlank(s.ch(p))) ++p;
    if (!(s.ch(p) == u'/' && s.ch(p + 1) == u'/')) return;
    QString comment;
    p += 2;
    while (p <= s.len && s.ch(p) != kCR) comment += s.ch(p++);
    if (p > s.len) return;
    branch.comment = comment;
    s.pos = p;
    s.skipBlanks();
}

enum class ElseOutcome { BodyInMainScan, CaseClosed, MoreBranches };

// The else part of a case: an "else" block marked "case", then either a
// begin..end body for the main scan or a one-line statement.
ElseOutcome caseElse(ScanState& s)
{
    s.elseBegin = false;
    s.branchBegin = false;
    s.makeBlock(BlockKind::Else).markCasePart();
    s.skipBlanks();
    s.word.clear();

    readFirstWord(s);
    const QString first = !s.word.isEmpty() && isBlank(s.word.back()) ? s.word.chopped(1) : s.word;

    if (first == u"begin") {
        s.makeBlock(BlockKind::Begin);
        s.elseBegin = true;
        s.caseDepth = 1;
        s.word.clear();
        return ElseOutcome::BodyInMainScan;
    }

    s.makeBlock(BlockKind::Begin);
    // The blank after the first word stays in the text.
    readRestOfLine(s);
    s.makeRow().text = s.word;
    if (s.ch(s.pos - 1) != u';') {
        // The statement goes on on the next line.
        s.skipBlanks();
        QString next;
        readLine(s, next);
        s.makeRow().text = next;
    }

    s.makeClosing(QStringLiteral("end;"));
    s.skipBlanks();
    s.word.clear();
    bool closed = false;
    try {
        for (;;) {
            advance(s);
            if (s.c() == kCR) break;
            s.word += ScanState::lower(s.c());
            if (!closed && s.word == u"end;") {
                closed = true;
                s.caseDone = true;
                s.makeClosing(QStringLiteral("end;"));
            }
        }
    } catch (const EndOfText&) {
        s.lastRow()->text = s.word;
        s.word.clear();
        throw;
    }
    // The line just read goes into the last closing row: the case's when it
    // was "end;", the else's otherwise.
    s.lastRow()->text = s.word;
    s.word.clear();

    if (s.caseDone) return ElseOutcome::CaseClosed;
    s.skipBlanks();
    return ElseOutcome::MoreBranches;
}

// A one-line branch whose statement goes on over more lines. The second line
// has been read into word and joins the branch's text row; every further line
// is looked at the same way, its blanks left out of the test: "end;" or
// "else" ends the case (an else met here is left for the main scan), a branch
// label makes that line the next branch, and any other line continues the
// statement and joins the text row too, leading blanks skipped, its own
// blanks kept. So "x :=" / "5 +" / "6;" is one row "x :=5 +6;". remembered
// ends on the line end before the line that holds the next branch. At the
// end of the text what was read of a line is kept.
void continuedStatement(ScanState& s, std::size_t textRow, int& remembered)
{
    auto keep = [&](const QString& text) {
        if (s.rows[textRow].text.str().size() <= TextField<200>::width) s.rows[textRow].text += text;
    };
    keep(s.word);
    s.word.clear();
    for (;;) {
        remembered = s.pos;
        s.skipBlanks();
        QString line;
        for (;;) {
            ++s.pos;
            if (s.atEnd()) {
                keep(line);
                throw EndOfText{};
            }
            const QChar c = s.c();
            if (c == kCR) break;
            line += ScanState::lower(c);
            if (!isBlank(c)) s.word += ScanState::lower(c);
            if (s.word == u"end;" || s.word == u"else") {
                s.caseDone = true;
                s.makeClosing(QStringLiteral("end;"));
                s.word.clear();
                return;
            }
            if (c == u':' && s.ch(s.pos + 1) != u'=') {
                s.pos = remembered;
                s.makeClosing(QStringLiteral("end;"));
                return;
            }
        }
        keep(line);
        s.word.clear();
    }
}

// The branch loop itself; throws EndOfText when a read reaches the end.
Resume branchLoop(ScanState& s)
{
    int previousStart = 0;
    while (!s.caseDone) {
        if (s.atEnd()) throw EndOfText{};
        // Every branch starts further on than the one before; a loop that
        // stood still would never end.
        if (s.pos <= previousStart) return Resume::StepForward;
        previousStart = s.pos;

        int remembered = s.pos;
        s.word.clear();

        // Look at the next line: "end;" ends the case, "else" starts its else
        // part; empty lines are passed over.
        bool elseFirst = false;
        for (;;) {
            advance(s);
            const QChar c = s.c();
            if (c == kCR) {
                if (s.word.isEmpty()) {
                    s.skipBlanks();
                    continue;
                }
                break;
            }
            if (c != kLF) s.word += ScanState::lower(c);
            if (s.word == u"end;") {
                s.caseDone = true;
                s.makeClosing();
                s.word.clear();
                return Resume::StepForward;
            }
            if (s.word == u"else") {
                elseFirst = true;
                break;
            }
        }
        if (elseFirst) {
            s.anchor = s.pos;
            advance(s);
            s.skipBlanks();
            switch (caseElse(s)) {
            case ElseOutcome::BodyInMainScan: return Resume::NextIteration;
            case ElseOutcome::CaseClosed: return Resume::NextIteration;
            case ElseOutcome::MoreBranches: continue;
            }
        }

        // The branch: an "if" block marked "case" whose head is the label
        // with its blanks removed.
        s.pos = remembered;
        // The branch's row stands for its label.
        s.anchor = remembered + 1;
        while (isBlank(s.ch(s.anchor)) || s.ch(s.anchor) == kCR || s.ch(s.anchor) == kLF) ++s.anchor;
        s.makeBlock(BlockKind::If).markCasePart();
        const std::size_t ifRow = s.rows.size() - 1;
        advance(s);
        QString label;
        // A ":" inside a quoted label (':' :) is part of the label.
        bool quoted = false;
        while (s.c() != u':' || quoted) {
            const QChar c = s.c();
            if (c == u'\'') quoted = !quoted;
            if (c == kCR) {
                quoted = false;
                s.skipBlanks();
            } else if (c != kLF && !isBlank(c) && label.size() <= TextField<200>::width) {
                label += c;
            }
            ++s.pos;
            if (s.atEnd()) {
                s.rows[ifRow].headText = label;
                throw EndOfText{};
            }
        }
        label += u':';
        s.rows[ifRow].headText = label;
        ++s.pos;
        s.skipBlanks();
        s.word.clear();
        labelComment(s, s.rows[ifRow]);

        readFirstWord(s);

        // A begin..end body is read by the main scan. "begin" followed by more
        // on its line is not a body: the word read then carries its blank.
        if (s.word == u"begin") {
            s.branchBegin = true;
            s.makeBlock(BlockKind::Begin);
            s.caseDepth = 1;
            s.word.clear();
            return Resume::NextIteration;
        }

        // One-line branch.
        s.makeBlock(BlockKind::Begin);
        s.branchBegin = false;
        readRestOfLine(s);
        s.makeRow().text = s.word;
        const std::size_t textRow = s.rows.size() - 1;
        s.word.clear();
        s.skipBlanks();
        remembered = s.pos;
        bool branchClosed = false;

        // The following line: a new label or "else" closes the branch; "end;"
        // closes the branch and the case.
        for (;;) {
            advance(s);
            const QChar c = s.c();
            if (c == kCR) break;
            s.word += ScanState::lower(c);
            if ((c == u':' && s.ch(s.pos + 1) != u'=') || s.word == u"else") {
                branchClosed = true;
                if (s.word != u"else") s.pos = remembered;
                s.makeClosing(QStringLiteral("end;"));
                break;
            }
            if ((s.word == u"end;" || s.lastRow()->text == "end;") && !s.branchBegin) {
                s.caseDone = true;
                branchClosed = true;
                s.makeClosing(QStringLiteral("end;"));
                s.makeClosing(QStringLiteral("end;"));
                s.word.clear();
                break;
            }
        }

        if (!branchClosed) continuedStatement(s, textRow, remembered);

        if (s.caseDone) break;
        if (s.word == u"else") {
            s.anchor = s.pos;
            advance(s);
            s.skipBlanks();
            switch (caseElse(s)) {
            case ElseOutcome::BodyInMainScan: return Resume::NextIteration;
            case ElseOutcome::CaseClosed: return Resume::NextIteration;
            case ElseOutcome::MoreBranches: continue;
            }
        }
        s.pos = remembered;
    }
    // The closing line's CR then ends that line normally.
    return Resume::StepForward;
}

Resume leaveAtEnd(ScanState& s)
{
    s.pos = s.len + 1;
    return Resume::StepForward;
}

// When a case inside another case's branch body has ended, the outer case's
// body goes on being read.
Resume resumeOuterCase(ScanState& s, Resume r)
{
    if (s.caseDone && !s.outerCases.empty()) {
        const ScanState::OuterCase outer = s.outerCases.back();
        s.outerCases.pop_back();
        s.branchBegin = outer.branchBegin;
        s.elseBegin = outer.elseBegin;
        s.caseDepth = outer.caseDepth;
        s.caseDone = false;
    }
    return r;
}

} // namespace

Resume scanCaseBranches(ScanState& s)
{
    try {
        return resumeOuterCase(s, branchLoop(s));
    } catch (const EndOfText&) {
        return leaveAtEnd(s);
    }
}

Resume scanCaseElseEnd(ScanState& s)
{
    try {
        s.skipBlanks();
        s.word.clear();
        std::size_t closingRow = 0;
        bool found = false;
        try {
            for (;;) {
                advance(s);
                if (s.c() == kCR) break;
                s.word += ScanState::lower(s.c());
                if (!found && s.word == u"end;") {
                    found = true;
                    s.caseDone = true;
                    s.makeClosing(QStringLiteral("end;"));
                    closingRow = s.rows.size() - 1;
                    s.elseBegin = false;
                }
                // The case's closing row keeps "end;" and whatever follows on
                // its line.
                if (found) s.rows[closingRow].text = s.word;
            }
        } catch (const EndOfText&) {
            s.word.clear();
            throw;
        }
        s.word.clear();
        s.skipBlanks();
        if (s.caseDone) return resumeOuterCase(s, Resume::StepForward);
        return resumeOuterCase(s, branchLoop(s));
    } catch (const EndOfText&) {
        return leaveAtEnd(s);
    }
}

} // namespace vexoria::scan
