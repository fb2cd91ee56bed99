#include "analysis/syntax/PascalTokens.h"

namespace vexoria::syntax {

namespace {

bool isLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

bool isIdentStart(QChar c) { return c == u'_' || c.isLetter(); }

bool isIdentChar(QChar c) { return c == u'_' || c.isLetterOrNumber(); }

bool isHexDigit(QChar c) { return c.isDigit() || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

class Tokenizer {
public:
    explicit Tokenizer(const QString& text) : m_text(text), m_len(static_cast<int>(text.size())) {}

    TokenList run()
    {
        while (m_pos < m_len) {
            const QChar c = at(m_pos);
            if (c.isSpace() || c.unicode() < 0x20) {
                ++m_pos;
            } else if (c == u'{') {
                comment(m_pos + 1, u"}", at(m_pos + 1) == u'$');
            } else if (c == u'(' && at(m_pos + 1) == u'*') {
                comment(m_pos + 2, u"*)", at(m_pos + 2) == u'$');
            } else if (c == u'/' && at(m_pos + 1) == u'/') {
                lineComment();
            } else if (c == u'\'' || (c == u'#' && (at(m_pos + 1).isDigit() || at(m_pos + 1) == u'$'))) {
                string();
            } else if (isIdentStart(c) || (c == u'&' && isIdentStart(at(m_pos + 1)))) {
                word();
            } else if (c.isDigit() || (c == u'$' && isHexDigit(at(m_pos + 1))) ||
                       (c == u'%' && (at(m_pos + 1) == u'0' || at(m_pos + 1) == u'1'))) {
                number();
            } else {
                symbol();
            }
        }
        return std::move(m_out);
    }

private:
    QChar at(int i) const { return i < m_len ? m_text.at(i) : QChar(0); }

    void push(TokenKind kind, int begin, int end, QString text)
    {
        m_out.tokens.push_back(Token{kind, begin, end, std::move(text)});
    }

    // A comment runs to its closing mark or, unclosed, to the end of the text.
    void comment(int bodyStart, QStringView close, bool directive)
    {
        const int begin = m_pos;
        const int found = static_cast<int>(m_text.indexOf(close, bodyStart));
        const int bodyEnd = found < 0 ? m_len : found;
        m_pos = found < 0 ? m_len : found + static_cast<int>(close.size());
        m_out.comments.push_back(Comment{begin, m_pos, directive, m_text.mid(bodyStart, bodyEnd - bodyStart)});
    }

    void lineComment()
    {
        const int begin = m_pos;
        int p = m_pos + 2;
        while (p < m_len && !isLineBreak(at(p))) ++p;
        m_out.comments.push_back(Comment{begin, p, false, m_text.mid(begin + 2, p - begin - 2)});
        m_pos = p;
    }

    // 'it''s', #13#10 and their joins are one string. A quote left open ends
    // at the line's end: no string runs over a line break.
    void string()
    {
        const int begin = m_pos;
        for (;;) {
            if (at(m_pos) == u'\'') {
                ++m_pos;
                while (m_pos < m_len && !isLineBreak(at(m_pos))) {
                    if (at(m_pos) == u'\'') {
                        if (at(m_pos + 1) == u'\'') {
                            m_pos += 2;
                            continue;
                        }
                        ++m_pos;
                        break;
                    }
                    ++m_pos;
                }
            } else if (at(m_pos) == u'#' && (at(m_pos + 1).isDigit() || at(m_pos + 1) == u'$')) {
                m_pos += 2;
                while (isHexDigit(at(m_pos))) ++m_pos;
            } else {
                break;
            }
        }
        push(TokenKind::String, begin, m_pos, m_text.mid(begin, m_pos - begin));
    }

    void word()
    {
        const int begin = m_pos;
        if (at(m_pos) == u'&') ++m_pos;
        while (isIdentChar(at(m_pos))) ++m_pos;
        push(TokenKind::Word, begin, m_pos, m_text.mid(begin, m_pos - begin).toLower());
    }

    void number()
    {
        const int begin = m_pos;
        if (at(m_pos) == u'$' || at(m_pos) == u'%') ++m_pos;
        while (isHexDigit(at(m_pos)) || at(m_pos) == u'_') ++m_pos;
        // A fraction, but not the ".." of a range.
        if (at(m_pos) == u'.' && at(m_pos + 1).isDigit()) {
            ++m_pos;
            while (at(m_pos).isDigit()) ++m_pos;
        }
        const bool sign = at(m_pos + 1) == u'+' || at(m_pos + 1) == u'-';
        if ((at(m_pos) == u'e' || at(m_pos) == u'E') &&
            (at(m_pos + 1).isDigit() || (sign && at(m_pos + 2).isDigit()))) {
            m_pos += 2;
            while (at(m_pos).isDigit()) ++m_pos;
        }
        push(TokenKind::Number, begin, m_pos, m_text.mid(begin, m_pos - begin));
    }

    void symbol()
    {
        static const char* const pairs[] = {
            ":=", "..", "<=", ">=", "<>", "+=", "-=", "*=", "/=", "**", "><", "(.", ".)"};
        const int begin = m_pos;
        for (const char* p : pairs) {
            if (at(m_pos) == QLatin1Char(p[0]) && at(m_pos + 1) == QLatin1Char(p[1])) {
                m_pos += 2;
                push(TokenKind::Symbol, begin, m_pos, QString::fromLatin1(p));
                return;
            }
        }
        ++m_pos;
        push(TokenKind::Symbol, begin, m_pos, QString(at(begin)));
    }

    const QString& m_text;
    int m_len;
    int m_pos = 0;
    TokenList m_out;
};

} // namespace

TokenList tokenize(const QString& text) { return Tokenizer(text).run(); }

bool isOneOf(const Token& t, std::initializer_list<const char*> words)
{
    if (t.kind != TokenKind::Word) return false;
    for (const char* w : words)
        if (t.text == QLatin1String(w)) return true;
    return false;
}

bool isRoutineWord(const Token& t)
{
    return isOneOf(t, {"procedure", "function", "constructor", "destructor", "operator"});
}

bool isSectionWord(const Token& t)
{
    return isOneOf(t, {"var", "const", "type", "label", "resourcestring", "threadvar"});
}

int pastSemicolon(const std::vector<Token>& tokens, int i)
{
    const int n = static_cast<int>(tokens.size());
    int depth = 0;
    for (; i < n; ++i) {
        const Token& t = tokens[static_cast<std::size_t>(i)];
        if (t.isSymbol("(") || t.isSymbol("[")) ++depth;
        else if (t.isSymbol(")") || t.isSymbol("]")) --depth;
        else if (depth <= 0 && t.isSymbol(";")) return i + 1;
    }
    return n;
}

} // namespace vexoria::syntax
