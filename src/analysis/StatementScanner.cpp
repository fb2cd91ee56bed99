#include "analysis/StatementScanner.h"

#include <algorithm>

#include "analysis/CaseScanner.h"

namespace vexoria::scan {

namespace {

bool isChainHead(const QString& w) { return w == u"if" || w == u"for" || w == u"while"; }

bool isBlockWord(const QString& w) { return w == u"else" || w == u"begin" || w == u"var"; }

// No template name is longer than this, so a lookahead that has read more
// cannot find one and may stop reading.
constexpr int kLongestKeyword = 9;

// Appends to a head text the way the 200-character suslovie field keeps it:
// what goes past the width is cut off.
void appendCut(QString& text, const QString& more)
{
    constexpr int width = TextField<200>::width;
    if (text.size() >= width) return;
    text += more;
    if (text.size() > width) text.truncate(width);
}

// The block head between a keyword and its terminator (Okusl), collected word
// by word with the blank that ended each word. The terminator is only seen as
// a whole word after a blank or a closing bracket or quote, so "if (a)then"
// ends at "then" and so does a "then" inside a quoted string.
void collectHead(ScanState& s, int rowIndex, BlockKind kind, const QString& headEnd)
{
    const bool isGoto = kind == BlockKind::Goto;
    const bool isFor = kind == BlockKind::For;
    QString headText = s.rows[static_cast<std::size_t>(rowIndex)].headText.str();
    while (s.word != headEnd) {
        // A head still open at the end of the text keeps what was read of it.
        if (s.atEnd()) {
            appendCut(headText, s.word);
            break;
        }
        QChar c = s.c();
        if (c == u')' || c == u'\'' || c == u']') {
            s.word += ScanState::lower(c);
            appendCut(headText, s.word);
            s.word.clear();
            ++s.pos;
            if (s.c() == u')') {
                s.word += u')';
                appendCut(headText, s.word);
                s.word.clear();
                ++s.pos;
            }
            if (s.atEnd()) break;
        }
        c = s.c();
        if (c != kCR) {
            s.word += ScanState::lower(c);
        } else {
            // A head may run over several lines.
            s.skipBlanks();
            appendCut(headText, s.word);
            s.word.clear();
        }
        c = s.c();
        if (isBlank(c) || c == u';') {
            appendCut(headText, s.word);
            s.word.clear();
            if (headEnd == u";" && c == u';') s.word = QStringLiteral(";");
            if (isGoto) {
                // Drops the blank after "goto" and the ";" after the label, so
                // the recorded name is the bare label.
                headText.chop(1);
                if (!headText.isEmpty() && s.gotoCount < kGotoSlots) {
                    s.gotoNames[static_cast<std::size_t>(s.gotoCount)] = headText;
                    s.gotoRows[static_cast<std::size_t>(s.gotoCount)] = rowIndex + 1;
                    ++s.gotoCount;
                }
            }
        }
        if (isFor && s.word == u"do") {
            // "downto" must not end a for head: only a "do" followed by a
            // blank or the line end does.
            ++s.pos;
            if (s.atEnd() || s.c() == kCR || isBlank(s.c())) {
                --s.pos;
            } else {
                s.word += ScanState::lower(s.c());
            }
        }
        ++s.pos;
    }
    s.rows[static_cast<std::size_t>(rowIndex)].headText = headText;
}

// "exit(false)" or "exit (x)": the value a routine returns with belongs to
// the exit block, not to a text row "false);" after it that would look like
// a statement. The argument runs to its matching bracket (brackets nest, a
// quoted string is passed whole, whatever brackets it holds) and goes into
// suslovie in lower case, without line breaks. A ";" right after it goes with
// it; the rest of the line is scanned as usual. An argument still open at the
// end of the text keeps what was read.
void exitValue(ScanState& s, int rowIndex)
{
    int p = s.pos;
    while (isBlank(s.ch(p))) ++p;
    if (s.ch(p) != u'(') return;

    constexpr int width = TextField<200>::width;
    QString value;
    auto take = [&](QChar c) {
        if (c != kCR && c != kLF && value.size() < width) value += ScanState::lower(c);
    };
    int depth = 0;
    bool closed = false;
    while (p <= s.len) {
        const QChar c = s.ch(p);
        take(c);
        if (c == u'\'') {
            ++p;
            while (p <= s.len && s.ch(p) != u'\'') take(s.ch(p++));
            if (p > s.len) break;
            take(s.ch(p));
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')' && --depth == 0) {
            closed = true;
            break;
        }
        ++p;
    }
    s.rows[static_cast<std::size_t>(rowIndex)].headText = value;
    if (closed && s.ch(p + 1) == u';') ++p;
    // The main loop's step forward lands after what was read.
    s.pos = std::min(p, s.len);
}

// A word of the code that names a template is a keyword, except the names of
// the blocks only the classifier makes (a process block, the routine's
// header, a label): in code those are identifiers, as in "Header := …".
bool isKeyword(ScanState& s, const QString& word)
{
    if (word == u"procces" || word == u"header" || word == u"mylabel") return false;
    return locateTemplate(s.templates, word);
}

// Whether the next word from pos on (past blanks and line breaks) opens a
// construct of its own.
bool constructFollows(const ScanState& s)
{
    int p = s.pos;
    while (isBlank(s.ch(p)) || s.ch(p) == kCR || s.ch(p) == kLF) ++p;
    QString next;
    while (s.ch(p).isLetter() && next.size() <= kLongestKeyword) next += ScanState::lower(s.ch(p++));
    // An empty try body ends at once, too.
    static const char* const constructs[] = {"if",  "while", "for",    "repeat",  "case", "with",
                                             "try", "begin", "except", "finally", "end"};
    for (const char* k : constructs)
        if (next == QLatin1String(k)) return true;
    return false;
}

// The steps run when the word before a delimiter is a template name. The
// template row is current in s.tvobject.
Resume keyword(ScanState& s)
{
    const BlockKind kind = s.templates.current().blockKind();
    const QString headEnd = s.templates.current().headEnd.str();

    s.word = s.key;
    s.labelPending = false;

    // Chains of conditions: a head that follows the previous if/for/while head
    // within 5 characters ("if a then if b then", or a head at the start of
    // the line after "then") opens a chain whose closing rows are added when
    // the chain's "end;" comes. condEnd holds a row number after any other
    // keyword, so such a keyword rarely starts a chain.
    if (isChainHead(s.word)) {
        if (s.chainMode) {
            const StatementRow* last = s.lastRow();
            if (last == nullptr || last->text.str().isEmpty()) {
                s.chainEnds += 1;
            } else {
                s.makeClosing(QStringLiteral("end;"));
                s.chainEnds -= 2;
                if (s.chainEnds == 0) s.chainMode = false;
            }
        }
        if (s.condEnd + 5 >= s.pos && !s.chainMode) {
            s.chainEnds += 2;
            s.chainMode = true;
        }
    }

    s.makeBlock(kind);
    const int rowIndex = static_cast<int>(s.rows.size()) - 1;
    s.condEnd = s.rowCounter;
    if (s.word == u"goto") s.gotoSeen = true;
    s.word.clear();

    // A try's "end" closes it: inside a begin..end body of a case branch it
    // must not count as the body's end.
    if (kind == BlockKind::Try && (s.branchBegin || s.elseBegin)) s.caseDepth += 1;
    if (kind == BlockKind::Exit) exitValue(s, rowIndex);
    if (headEnd.isEmpty()) return Resume::StepForward;
    // A try whose first statement is itself a construct draws that construct
    // as one: the try block shows no statement then.
    if (kind == BlockKind::Try && constructFollows(s)) return Resume::StepForward;

    collectHead(s, rowIndex, kind, headEnd);
    s.inString = false;
    if (kind == BlockKind::Try) s.tryHeadEnds.emplace_back(rowIndex, s.pos);

    s.word.clear();
    while (!s.atEnd() && s.c() != kCR && !isBlank(s.c()) && s.ch(s.pos + 1) != u'/') ++s.pos;
    s.skipBlanks();

    if (isChainHead(s.key)) s.condEnd = s.pos;

    if (kind == BlockKind::Case) {
        // A case inside a begin..end body of another case's branch: the outer
        // case's state waits until this one has ended.
        if (s.branchBegin || s.elseBegin) {
            s.outerCases.push_back({s.branchBegin, s.elseBegin, s.caseDepth});
            s.branchBegin = false;
            s.elseBegin = false;
            s.caseDepth = 0;
        }
        s.caseDone = false;
        return scanCaseBranches(s);
    }
    return Resume::StepForward;
}

// The line end at a CR (elseRescan off): the word read on the line becomes a
// row, then the scan moves to the first non-blank of the next line.
Resume lineEnd(ScanState& s)
{
    if (!s.word.isEmpty()) {
        if (s.word == u"repeat" || s.word == u"try" || s.word == u"except") {
            // The head of "try" is collected from the next line; the row
            // stands for this one.
            s.anchor = s.pos;
            s.skipBlanks();
            s.key = s.word;
            if (locateTemplate(s.templates, s.key)) return keyword(s);
        }
        if (s.labelPending) {
            s.makeBlock(BlockKind::Process);
            s.labelPending = false;
        }
        StatementRow& r = s.makeRow();
        // Only rows made at a line end take a pending comment.
        if (!s.pendingComment.isEmpty()) {
            r.comment = s.pendingComment;
            s.pendingComment.clear();
        }
        const bool blockWord = isBlockWord(s.word);
        if (!blockWord) r.text = s.word;
        if (s.word == u"end") {
            if (s.chainMode) {
                s.chainEnds -= 1;
                s.chainBegins -= 1;
            }
            if (s.elseBegin || s.branchBegin) s.caseDepth -= 1;
            r.setBlockKind(BlockKind::End);
            r.opensBlock = false;
        }
        if (blockWord) {
            if (s.word == u"else" && s.chainMode) s.chainEnds += 1;
            if (s.word == u"begin" && s.chainEnds != 0 && s.chainMode) s.chainBegins += 1;
            if (s.word == u"begin" && (s.elseBegin || s.branchBegin)) s.caseDepth += 1;
            r.setBlockKind(kindFromWord(s.word));
            r.opensBlock = true;
        }
    }
    s.word.clear();
    s.anchor = 0;
    s.inString = false;
    s.pos += 2;
    s.stepOverBlanks();
    return Resume::NextIteration;
}

// Main loop step 6: "L:" at the start of a line, where L was the target of an
// earlier goto, makes a label row. A label that stands before its first goto
// is not known yet and stays text.
void labelDefinitions(ScanState& s)
{
    for (int k = 0; k < s.gotoCount; ++k) {
        const auto ku = static_cast<std::size_t>(k);
        if (s.word != s.gotoNames[ku] || s.ch(s.pos + 1) != u':') continue;
        s.gotoTargets[ku] = s.rowCounter + 1;
        // Several gotos to one label; the search stays inside the recorded
        // entries.
        for (int j = 1; j <= 10 && k + j < s.gotoCount; ++j) {
            const auto kj = static_cast<std::size_t>(k + j);
            if (s.gotoNames[kj] == s.gotoNames[ku] && s.gotoTargets[kj] == 0) s.gotoTargets[kj] = s.rowCounter + 1;
        }
        s.labelPending = true;
        s.makeBlock(BlockKind::Label);
        const std::size_t rowIndex = s.rows.size() - 1;
        ++s.pos;
        s.word += ScanState::lower(s.c());
        s.rows[rowIndex].headText += s.word;
        s.word.clear();
        while (!s.atEnd() && s.c() != kCR && !isBlank(s.c())) ++s.pos;
        s.skipBlanks();
    }
}

enum class EndOutcome { GoOn, StepForward, NextIteration };

// Main loop step 7: "end;" or "end/" make a closing row that keeps the rest of
// its line, comments included.
EndOutcome endSemicolon(ScanState& s)
{
    if (s.c() == kCR) --s.pos;
    s.makeClosing();
    const std::size_t rowIndex = s.rows.size() - 1;
    ++s.pos;
    QString text = s.word;
    // The rest of the line; the read also stops on the text's last character.
    while (s.c() != kCR && s.pos < s.len) {
        if (text.size() <= TextField<200>::width) text += s.c();
        ++s.pos;
    }
    s.rows[rowIndex].text = text;

    s.skipBlanks();

    if (s.chainMode) {
        s.chainEnds -= 1;
        s.chainBegins -= 1;
    }
    if (s.elseBegin || s.branchBegin) s.caseDepth -= 1;

    if (s.word == u"end;" && s.chainBegins <= 0 && s.chainMode && s.chainEnds > 0) {
        const int count = s.chainEnds;
        for (int i = 0; i < count; ++i) s.makeClosing(QStringLiteral("end;"));
        s.chainEnds = 0;
        s.chainMode = false;
    }

    // The begin..end body of a case branch or case else has ended.
    if ((s.branchBegin || s.elseBegin) && s.caseDepth <= 0) {
        ++s.pos;
        Resume r;
        if (s.elseBegin) {
            r = scanCaseElseEnd(s);
        } else {
            s.branchBegin = false;
            --s.pos;
            r = scanCaseBranches(s);
        }
        s.word.clear();
        return r == Resume::StepForward ? EndOutcome::StepForward : EndOutcome::NextIteration;
    }

    s.word.clear();
    return EndOutcome::GoOn;
}

// Main loop step 8: "end " followed by more words on its line. An "else" after
// it is left for the scan; anything else joins the closing row's text.
void endBlank(ScanState& s)
{
    if (s.chainMode) {
        s.chainEnds -= 1;
        s.chainBegins -= 1;
    }
    if (s.elseBegin || s.branchBegin) s.caseDepth -= 1;

    s.makeClosing(QStringLiteral("end "));
    const std::size_t rowIndex = s.rows.size() - 1;
    s.word.clear();
    s.skipBlanks();
    const int remembered = s.pos;
    s.stepOverBlanks();
    // "End Else": the e is compared folded, as every word test is.
    if (ScanState::lower(s.c()) == u'e') {
        s.pos = remembered;
        return;
    }
    // The rest of the line, or of the text when no line break follows.
    while (!s.atEnd() && s.c() != kCR) {
        s.word += ScanState::lower(s.c());
        ++s.pos;
    }
    s.rows[rowIndex].text += s.word;
    s.word.clear();
    s.skipBlanks();
}

// Run when stepping on after an "else" block: when the rest of the line is
// exactly one keyword ("else begin"), the CR after it must delimit that
// keyword instead of ending the line. The read stops at the end of the text
// too, and after ten characters, which no keyword has: reading on could not
// change the answer, and "else else else ..." stays linear.
void elseLookahead(ScanState& s)
{
    const int remembered = s.pos;
    s.skipBlanks();
    ++s.pos;
    if (!s.atEnd()) {
        s.word += ScanState::lower(s.c());
        while (s.word.size() <= kLongestKeyword) {
            ++s.pos;
            if (s.atEnd() || s.c() == kCR || s.c() == u'/') break;
            s.word += ScanState::lower(s.c());
        }
    }
    const bool found = s.word.size() <= kLongestKeyword && isKeyword(s, s.word);
    if (found) s.elseRescan = true;
    s.pos = remembered;
    s.word.clear();
    s.key.clear();
    if (found) s.stepOverBlanks();
}

bool isKeywordDelimiter(QChar c) { return isBlank(c) || c == u';' || c == u'(' || c == u'\'' || c == u'/' || c == kCR; }

// One pass of the main loop, steps 1 to 9; step 10 (the step forward) is the
// caller's when this returns StepForward.
Resume mainStep(ScanState& s)
{
    // A line that ends in a comment is ended normally: the CR before the LF
    // is looked at again.
    if (s.c() == kLF && s.afterComment) {
        s.afterComment = false;
        --s.pos;
    }

    if (s.c() == kCR && !s.elseRescan) return lineEnd(s);

    if (s.pos >= 1 && !s.atEnd() && s.c() != kLF) s.word += ScanState::lower(s.c());
    if (s.c() == u'\'') s.inString = !s.inString;

    // A compiler directive is no text of the statement it stands in or
    // before: it is left out of the word and of the comments, and the
    // character after it is read as usual.
    if (!s.inString && s.c() == u'{' && s.ch(s.pos + 1) == u'$') {
        s.word.chop(1);
        while (!s.atEnd() && s.c() != u'}') ++s.pos;
        return Resume::StepForward;
    }

    // Line comment, up to the CR or the end of the text. At the start of a
    // line it leaves no word; after code the word keeps the first "/".
    if (!s.inString && s.c() == u'/' && s.ch(s.pos + 1) == u'/') {
        ++s.pos;
        s.pendingComment.clear();
        for (;;) {
            ++s.pos;
            if (s.atEnd() || s.c() == kCR) break;
            s.pendingComment += s.c();
        }
        s.afterComment = true;
        if (s.word.size() < 2) s.word.clear();
    }

    // Brace comment; it may span lines. An unclosed one runs to the end of
    // the text. "(*" comments are not recognised.
    if (!s.inString && s.c() == u'{') {
        for (;;) {
            ++s.pos;
            if (s.atEnd()) break;
            if (s.c() != kCR) s.pendingComment += s.c();
            if (s.c() == u'}') break;
        }
        // The scan goes on past the "}" and what follows it when that is a
        // blank or the line's end; code right after the "}" is read.
        const QChar after = s.ch(s.pos + 1);
        if (!s.atEnd() && (isBlank(after) || after == kCR || after == kLF || after == kEndOfText)) ++s.pos;
        s.afterComment = true;
        if (s.word.size() < 2) s.word.clear();
    }

    if (s.gotoSeen) labelDefinitions(s);

    {
        const QChar c = s.c();
        if ((c == u';' || c == u'/' || c == kCR) && s.word.size() <= 5 && (s.word == u"end;" || s.word == u"end/")) {
            switch (endSemicolon(s)) {
            case EndOutcome::StepForward: return Resume::StepForward;
            case EndOutcome::NextIteration: return Resume::NextIteration;
            case EndOutcome::GoOn: break;
            }
        }
    }

    if (isBlank(s.c()) && s.word.size() == 4 && s.word.startsWith(u"end") && isBlank(s.word.back())) endBlank(s);

    // A keyword is only recognised as the first word since the last reset of
    // word (a line end, a keyword row, a block head), so the line
    // "x := 1; if a then" is one text row.
    if (isKeywordDelimiter(s.c()) && s.word.size() <= 10) {
        s.elseRescan = false;
        s.key = s.word.isEmpty() ? QString() : s.word.chopped(1);
        if (s.key.size() <= kLongestKeyword && isKeyword(s, s.key)) return keyword(s);
    }
    return Resume::StepForward;
}

} // namespace

void scanStatements(ScanState& s)
{
    // The first line's leading blanks are stepped over as the line end does
    // for every other line; otherwise an indented routine would keep its
    // blanks in the first row and lose its header row and report title.
    s.stepOverBlanks();

    while (s.pos <= s.len) {
        cancellationPoint(s.control);
        if (mainStep(s) == Resume::NextIteration) continue;
        ++s.pos;
        if (s.key == u"else") elseLookahead(s);
    }

    s.makeBlock(BlockKind::ChartEnd);
}

} // namespace vexoria::scan
