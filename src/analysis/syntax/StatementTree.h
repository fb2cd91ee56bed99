#pragma once
// The statement part of a routine as Pascal nests it: which statements stand
// inside which loop, branch or block, and where each begins and ends in the
// text. Read from the tokens by recursive descent; expressions are passed
// over, not read. Declarations and nested routines are stepped over.
#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "analysis/syntax/PascalTokens.h"

namespace vexoria::syntax {

enum class StatementKind {
    Simple, // an assignment, a call, raise, continue, inherited …
    Exit,
    Break,
    Goto,
    Compound, // begin … end
    If,
    While,
    For,
    With,
    Repeat,
    Case,
    Try,
    OnHandler, // on E: T do … in an except part
};

struct Statement;
using StatementList = std::vector<std::unique_ptr<Statement>>;

struct CaseBranch {
    int labelFirst = -1; // tokens of the labels, up to the ":"
    int labelLast = -1;
    std::unique_ptr<Statement> statement; // null for an empty branch
};

// Token indices are into the routine's token list; -1 where there is none.
struct Statement {
    StatementKind kind = StatementKind::Simple;
    std::vector<int> labels; // "L:" before the statement: the label tokens
    int first = -1;          // first token (the keyword of a construct)
    int last = -1;           // last token, before any ";" after it
    int headFirst = -1;      // condition or head: between the keyword and
    int headLast = -1;       //   then/do/of, or after until; may be empty
    int elseToken = -1;      // "else" of an if; "else"/"otherwise" of a case
    int partToken = -1;      // "except" or "finally" of a try; "until"
    int endToken = -1;       // "end" of begin, case or try
    bool finallyPart = false;
    std::unique_ptr<Statement> thenPart; // if: then; while, for, with, on: body
    std::unique_ptr<Statement> elsePart; // if: else
    StatementList body;                  // compound, repeat, try, case else
    StatementList handlers;              // the statements after except or finally
    std::vector<CaseBranch> branches;
    bool hasElse = false; // a case with an else part (body holds it)
};

struct Routine {
    TokenList tokens;
    int bodyBegin = -1; // the routine's own "begin"; -1 for bare statements
    int bodyEnd = -1;   // its "end"
    StatementList statements;
    // Routines nested in it, before its begin: each from its heading to the
    // ";" after its end, as character ranges [first, second).
    std::vector<std::pair<int, int>> nestedRoutines;
};

// Reads text as a routine (heading, declarations, nested routines, then the
// statement part), a program, or a bare list of statements. Nothing when the
// text is not Pascal this reader understands (asm bodies among it).
std::optional<Routine> readRoutine(const QString& text);

} // namespace vexoria::syntax
