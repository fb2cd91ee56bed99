#include "tables/ConnectionTableDump.h"

#include "tables/StatementTableDump.h"

namespace vexoria {

namespace {
QString cell(const IntField& f) { return f ? QString::number(*f) : QString(); }
} // namespace

const std::array<const char*, 15>& connectionColumnNames()
{
    static const std::array<const char*, 15> names = {"n",  "vid", "obiect", "nomobiect", "color", "x1", "y1", "x2",
                                                      "y2", "x3",  "y3",     "x4",        "y4",    "x5", "y5"};
    return names;
}

QString dumpConnectionTable(const ConnectionTable& table)
{
    QString out = dumpHeader(connectionColumnNames().data(), connectionColumnNames().size());
    for (const ConnectionRow& r : table.rows()) {
        const QString cells[] = {cell(r.n),
                                 cell(r.kind),
                                 r.ownerKind.isSet() ? escapeDumpText(r.ownerKind.str()) : QString(),
                                 cell(r.ownerDrawOrder),
                                 cell(r.color),
                                 cell(r.x1),
                                 cell(r.y1),
                                 cell(r.x2),
                                 cell(r.y2),
                                 cell(r.x3),
                                 cell(r.y3),
                                 cell(r.x4),
                                 cell(r.y4),
                                 cell(r.x5),
                                 cell(r.y5)};
        for (int i = 0; i < 15; ++i) {
            if (i) out += u'\t';
            out += cells[i];
        }
        out += u'\n';
    }
    return out;
}

} // namespace vexoria
