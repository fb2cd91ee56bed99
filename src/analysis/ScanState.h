#pragma once
// The state of one classification run: the code text with its 1-based
// position, the word being read, the chain, case and goto bookkeeping, and the
// rows made so far (in the order they are made, so a row's index is n - 1).
//
// Positions follow the classifier's rules: 1 is the first character. Reading
// before the first or past the last character gives kEndOfText, which matches
// no character the rules look for, so no rule ever reads outside the text.
#include <array>
#include <vector>

#include <QChar>
#include <QString>

#include "tables/StatementTable.h"
#include "tables/ShapeTemplates.h"
#include "tables/BuildControl.h"

namespace vexoria::scan {

inline constexpr QChar kCR = u'\r';
inline constexpr QChar kLF = u'\n';
inline constexpr QChar kBlank = u' ';
inline constexpr QChar kEndOfText = QChar(0);
inline constexpr QChar kTab = u'\t';

// A tab is a blank wherever the scan steps over blanks or stops at one; the
// rows keep the characters as they were typed.
inline bool isBlank(QChar c) { return c == kBlank || c == kTab; }

// The goto tables hold this many entries; later gotos are not recorded.
inline constexpr int kGotoSlots = 31;

// How the main scan goes on after a rule that hands control elsewhere
// (a keyword, the case scanner): with its step forward, or with a fresh
// iteration on the current position.
enum class Resume { StepForward, NextIteration };

struct ScanState {
    ScanState(const QString& text, ShapeTemplateTable& templates);

    const QString& codeText;
    int len = 0;
    ShapeTemplateTable& templates;
    const BuildControl* control = nullptr; // looked at once per character

    int pos = 1;
    QString word;
    QString key;
    QString pendingComment;
    int rowCounter = 0;

    bool labelPending = false;
    bool afterComment = false;
    bool elseRescan = false;
    bool gotoSeen = false;
    bool chainMode = false;
    int chainEnds = 0;
    int chainBegins = 0;
    int condEnd = 0;

    bool branchBegin = false;
    bool elseBegin = false;
    bool caseDone = false;
    int caseDepth = 0;
    // A case inside a begin..end body of a branch of another case: the outer
    // case's body state, taken up again when the inner case has ended.
    struct OuterCase {
        bool branchBegin;
        bool elseBegin;
        int caseDepth;
    };
    std::vector<OuterCase> outerCases;
    // Inside a quoted string on the current line: no comment starts there.
    bool inString = false;

    std::array<QString, kGotoSlots> gotoNames{};
    std::array<int, kGotoSlots> gotoRows{};
    std::array<int, kGotoSlots> gotoTargets{};
    int gotoCount = 0;

    // Rows made by the scan, index n - 1.
    std::vector<StatementRow> rows;
    // Where in the text each row was made (pos at the time, index n - 1), so
    // that a row can be traced to the code it stands for. A rule that makes
    // its row after reading past the word it stands for sets anchor first.
    std::vector<int> rowPlaces;
    int anchor = 0;
    // Where the head of a try row ended: the statement it holds.
    std::vector<std::pair<int, int>> tryHeadEnds; // row index, pos

    QChar ch(int p) const { return p >= 1 && p <= len ? codeText.at(p - 1) : kEndOfText; }
    QChar c() const { return ch(pos); }
    bool atEnd() const { return pos > len; }
    static QChar lower(QChar c) { return c.toLower(); }

    // At a CR steps over CR LF, then over blanks, then one back: pos stands
    // just before the next non-blank, so the main loop's step forward lands
    // on it.
    void skipBlanks()
    {
        if (c() == kCR) {
            pos += 2;
            inString = false;
        }
        stepOverBlanks();
        --pos;
    }
    void stepOverBlanks()
    {
        while (isBlank(c())) ++pos;
    }

    // Make a row: the next creation number becomes both n and nom.
    StatementRow& makeRow()
    {
        ++rowCounter;
        StatementRow& r = rows.emplace_back();
        rowPlaces.push_back(anchor > 0 ? anchor : pos);
        anchor = 0;
        r.n = rowCounter;
        r.drawOrder = rowCounter;
        return r;
    }
    StatementRow& makeBlock(BlockKind kind)
    {
        StatementRow& r = makeRow();
        r.opensBlock = true;
        r.setBlockKind(kind);
        return r;
    }
    StatementRow& makeClosing()
    {
        StatementRow& r = makeRow();
        r.setBlockKind(BlockKind::End);
        r.opensBlock = false;
        return r;
    }
    StatementRow& makeClosing(const QString& text)
    {
        StatementRow& r = makeClosing();
        r.text = text;
        return r;
    }
    StatementRow* lastRow() { return rows.empty() ? nullptr : &rows.back(); }
};

inline ScanState::ScanState(const QString& text, ShapeTemplateTable& templates)
    : codeText(text), len(static_cast<int>(text.size())), templates(templates)
{
    // About one row per line; growing the table row by row would move every
    // row many times over.
    rows.reserve(static_cast<std::size_t>(text.count(kCR)) + 16);
    rowPlaces.reserve(rows.capacity());
}

} // namespace vexoria::scan
