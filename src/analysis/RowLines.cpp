#include "analysis/RowLines.h"

#include <algorithm>

#include "analysis/syntax/SourceLines.h"

namespace vexoria::scan {

namespace {

using syntax::Statement;
using syntax::StatementKind;

// A stretch of the code one row may be made from: a simple statement with
// its ";", a construct's head up to then, do or of, a closing word.
struct Piece {
    int begin = 0; // first character
    int end = 0;   // after the last
};

class Pieces {
public:
    explicit Pieces(const syntax::Routine& r) : m_tokens(r.tokens.tokens)
    {
        if (r.bodyBegin >= 0) {
            tokens(r.bodyBegin, r.bodyBegin);
            if (r.bodyEnd >= 0) tokens(r.bodyEnd, r.bodyEnd);
        }
        list(r.statements);
        std::sort(m_pieces.begin(), m_pieces.end(), [](const Piece& a, const Piece& b) {
            return a.begin != b.begin ? a.begin < b.begin : a.end > b.end;
        });
    }

    const std::vector<Piece>& all() const { return m_pieces; }

private:
    int count() const { return static_cast<int>(m_tokens.size()); }
    void tokens(int first, int last)
    {
        if (first < 0 || first >= count()) return;
        last = std::clamp(last, first, count() - 1);
        m_pieces.push_back(
            {m_tokens[static_cast<std::size_t>(first)].begin, m_tokens[static_cast<std::size_t>(last)].end});
    }
    // Up to and with a ";" right after last.
    void withSemicolon(int first, int last)
    {
        if (last + 1 < count() && m_tokens[static_cast<std::size_t>(last + 1)].isSymbol(";")) ++last;
        tokens(first, last);
    }
    // A head from its keyword to the word after it (then, do, of).
    void head(const Statement& s) { tokens(s.first, (s.headLast >= 0 ? s.headLast : s.first) + 1); }
    void list(const syntax::StatementList& l)
    {
        for (const auto& s : l)
            if (s) statement(*s);
    }
    void statement(const Statement& s)
    {
        switch (s.kind) {
        case StatementKind::Simple:
        case StatementKind::Exit:
        case StatementKind::Break:
        case StatementKind::Goto: withSemicolon(s.first, s.last); return;
        case StatementKind::Compound:
            tokens(s.first, s.first);
            list(s.body);
            withSemicolon(s.endToken, s.endToken);
            return;
        case StatementKind::If:
            head(s);
            if (s.thenPart) statement(*s.thenPart);
            tokens(s.elseToken, s.elseToken);
            if (s.elsePart) statement(*s.elsePart);
            return;
        case StatementKind::While:
        case StatementKind::For:
        case StatementKind::With:
        case StatementKind::OnHandler:
            head(s);
            if (s.thenPart) statement(*s.thenPart);
            return;
        case StatementKind::Repeat:
            tokens(s.first, s.first);
            list(s.body);
            withSemicolon(s.partToken, s.last);
            return;
        case StatementKind::Case:
            head(s);
            for (const syntax::CaseBranch& b : s.branches) {
                tokens(b.labelFirst, b.labelLast + 1);
                if (b.statement) statement(*b.statement);
            }
            tokens(s.elseToken, s.elseToken);
            list(s.body);
            withSemicolon(s.endToken, s.endToken);
            return;
        case StatementKind::Try:
            tokens(s.first, s.first);
            list(s.body);
            tokens(s.partToken, s.partToken);
            list(s.handlers);
            withSemicolon(s.endToken, s.endToken);
            return;
        }
    }

    const std::vector<syntax::Token>& m_tokens;
    std::vector<Piece> m_pieces;
};

// The end of the line a character is on (its line break, or the text's end).
int lineEnd(const QString& text, int index)
{
    const int n = static_cast<int>(text.size());
    while (index < n && text.at(index) != u'\r' && text.at(index) != u'\n') ++index;
    return index;
}

} // namespace

void markRowLines(std::vector<StatementRow>& rows, const ScanPlaces& places, const QString& scannedText,
                  const syntax::Routine* routine, const std::vector<LineOrigin>* origins)
{
    const syntax::SourceLines lines(scannedText);
    std::vector<Piece> pieces;
    if (routine != nullptr && origins == nullptr) pieces = Pieces(*routine).all();
    const auto placeCount = static_cast<int>(places.rowPlaces.size());

    for (StatementRow& row : rows) {
        row.firstLine = row.lastLine = -1;
        const int n = val(row.n);
        if (n < 1 || n > placeCount) continue;
        const int at = std::clamp(places.rowPlaces[static_cast<std::size_t>(n - 1)] - 1, 0,
                                  std::max(0, static_cast<int>(scannedText.size()) - 1));
        const int line = lines.lineOf(at);
        if (origins != nullptr) {
            if (line < static_cast<int>(origins->size())) {
                row.firstLine = (*origins)[static_cast<std::size_t>(line)].first;
                row.lastLine = (*origins)[static_cast<std::size_t>(line)].last;
            }
            continue;
        }
        row.firstLine = row.lastLine = line;
        // The innermost piece that holds the place, counting the rest of a
        // piece's last line as its own (a row is often made at the line's
        // end). Pieces start in order, so it is the last to start before the
        // place among those that reach it; a few steps back find it.
        auto it = std::upper_bound(pieces.begin(), pieces.end(), at, [](int i, const Piece& p) { return i < p.begin; });
        for (int steps = 0; it != pieces.begin() && steps < 64; ++steps) {
            --it;
            if (at < lineEnd(scannedText, std::max(it->begin, it->end - 1)) + 1) {
                row.firstLine = lines.lineOf(it->begin);
                row.lastLine = std::max(row.firstLine, lines.lineOf(std::max(it->begin, it->end - 1)));
                break;
            }
        }
    }
}

} // namespace vexoria::scan
