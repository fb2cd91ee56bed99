#include "tables/StatementTableDump.h"

namespace vexoria {

const std::array<const char*, 14>& statementColumnNames()
{
    static const std::array<const char*, 14> names = {"n",        "nom",       "stroka", "uslovie", "obiect",
                                                      "suslovie", "x",         "y",      "plx",     "ply",
                                                      "no",       "endobiect", "filtr",  "comment"};
    return names;
}

QString dumpHeader(const char* const* names, std::size_t count)
{
    QString out;
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out += u'\t';
        out += QLatin1String(names[i]);
    }
    return out + u'\n';
}

QString escapeDumpText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        default: out += c;
        }
    }
    return out;
}

namespace {
QString cell(const IntField& f) { return f ? QString::number(*f) : QString(); }
QString cell(const BoolField& f) { return f ? QString(*f ? u'1' : u'0') : QString(); }
template <int W>
QString cell(const TextField<W>& f)
{
    return f.isSet() ? escapeDumpText(f.str()) : QString();
}
} // namespace

QString dumpStatementTable(const StatementTable& table, const StatementDumpExtras& extras)
{
    QString out = dumpHeader(statementColumnNames().data(), statementColumnNames().size());
    for (const StatementRow& r : table.rows()) {
        const QString cells[] = {cell(r.n),         cell(r.drawOrder), cell(r.text), cell(r.opensBlock),
                                 cell(r.kind),      cell(r.headText),  cell(r.x),    cell(r.y),
                                 cell(r.stretchX),  cell(r.stretchY),  cell(r.link), cell(r.closedKind),
                                 cell(r.kindIndex), cell(r.comment)};
        for (int i = 0; i < 14; ++i) {
            if (i) out += u'\t';
            out += cells[i];
        }
        out += u'\n';
    }
    if (extras.title) out += QStringLiteral("#title\t") + escapeDumpText(*extras.title) + u'\n';
    if (extras.blockCount) out += QStringLiteral("#blockCount\t") + QString::number(*extras.blockCount) + u'\n';
    if (extras.warning) out += QStringLiteral("#warning\t") + escapeDumpText(*extras.warning) + u'\n';
    return out;
}

} // namespace vexoria
