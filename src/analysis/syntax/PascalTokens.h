#pragma once
// The tokens of Pascal code as the compiler sees them: words, numbers,
// strings and symbols, with comments and compiler directives set apart. The
// statement reader works on these, so that a brace inside a string or a
// "then" inside a comment never misleads it.
#include <initializer_list>
#include <vector>

#include <QString>

namespace vexoria::syntax {

enum class TokenKind { Word, Number, String, Symbol };

struct Token {
    TokenKind kind = TokenKind::Symbol;
    int begin = 0; // index of the first character in the text
    int end = 0;   // index after the last character
    QString text;  // words in lower case; symbols as written

    bool is(const char* s) const { return text == QLatin1String(s); }
    bool isWord(const char* s) const { return kind == TokenKind::Word && text == QLatin1String(s); }
    bool isSymbol(const char* s) const { return kind == TokenKind::Symbol && text == QLatin1String(s); }
};

// A comment ({ }, (* *) or //), or a compiler directive ({$ } or (*$ *)).
struct Comment {
    int begin = 0;
    int end = 0;
    bool directive = false;
    QString body; // the text between the comment's marks
};

struct TokenList {
    std::vector<Token> tokens;
    std::vector<Comment> comments;
};

TokenList tokenize(const QString& text);

// A word token that is one of the given words (all lower case).
bool isOneOf(const Token& t, std::initializer_list<const char*> words);
// procedure, function, constructor, destructor, operator
bool isRoutineWord(const Token& t);
// The words that open a declaration section: var, const, type, label,
// resourcestring, threadvar.
bool isSectionWord(const Token& t);
// The index after the first ";" from index i on that stands outside
// brackets (a heading's parameters hold ";" of their own); the size of the
// list when there is none.
int pastSemicolon(const std::vector<Token>& tokens, int i);

} // namespace vexoria::syntax
