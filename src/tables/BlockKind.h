#pragma once
// The kinds of the statement table's rows and of the connection table's
// lines. The tables keep the words and numbers users and outside tools see
// (obiect "procces", vid 7); the code compares these enums, and turns words
// into kinds and back only where a table is read, dumped or exported.
#include <QString>

namespace vexoria {

// The kind of a statement row. Block kinds have the numbers of their shape
// templates (1..19).
enum class BlockKind {
    None = 0, // no kind: a text row
    Var = 1,
    If = 2,
    While = 3,
    Case = 4,
    Goto = 5,
    For = 6,
    Repeat = 7,
    Else = 8,
    Begin = 9,
    With = 10,
    Until = 11,
    Process = 12,  // "procces": a run of plain statements
    ChartEnd = 13, // "end shema": the last block of a chart
    Header = 14,
    Label = 15, // "mylabel"
    Break = 16,
    Exit = 17,
    Try = 18,
    Except = 19,
    End = 20,     // "end": a closing row
    Unknown = 21, // a word that names no kind (one typed into the debug grid)
};

// The word a table keeps for k: "procces" for Process, "end" for End; empty
// for None and Unknown, which have no word of their own.
QString kindWord(BlockKind k);
// The kind a table's word names: None for the empty word, Unknown for a word
// that names no kind. The match is exact and case-sensitive.
BlockKind kindFromWord(const QString& word);

// The endobiect mark of the goto of ordinal k (from 0): "goto0", "goto1", ...
// A mark is no kind word: kindFromWord() reads it as Unknown.
QString gotoMark(int ordinal);

// The kind of a connection line (vid). A goto's line takes the form of
// ForExit when it runs down to its label and of RepeatReturn when it runs up.
enum class ConnectionKind {
    NotFollowed = 0,  // a line control never takes, crossed out ("Нет перехода")
    Onward = 1,       // straight down into the next block ("Переход")
    Yes = 2,          // a condition's or while loop's "Да" down into its part
    ForBody = 3,      // a for loop's "Нет" down into its body
    ForExit = 4,      // a for loop's "Да" out through a left lane
    WhileExit = 5,    // a while loop's "Нет" out through a left lane
    No = 6,           // a condition's "Нет" round its part through a right lane
    LoopReturn = 7,   // a while or for body's end back up a right lane to the test
    RepeatReturn = 8, // from an until block back up a left lane to its repeat
    Bracket = 9,      // a case's collector lane, or a with statement's bracket
    CaseExit = 10,    // a case branch's exit into the collector, or its label
    Jump = 11,        // an exit or break through a right lane
};

} // namespace vexoria
