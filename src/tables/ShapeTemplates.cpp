#include "tables/ShapeTemplates.h"

namespace vexoria {

namespace {
struct TemplateData {
    int n;
    const char* kind;
    const char* headEnd;
    int x1, y1, x2, y2, x3, y3, x4, y4, x5, y5, x6, y6;
};

// The template points as (x, y) pairs in the order the shapes use them.
constexpr TemplateData kTemplates[] = {
    {1, "var", "", 50, 20, 200, 60, 40, 40, 0, 0, 0, 0, 0, 0},
    {2, "if", "then", 50, 40, 100, 20, 150, 40, 100, 60, 0, 0, 0, 0},
    {3, "while", "do", 50, 40, 75, 20, 150, 20, 175, 40, 150, 60, 75, 60},
    {4, "case", "of", 50, 20, 100, 20, 100, 60, 75, 80, 50, 60, 0, 0},
    {5, "goto", ";", 50, 40, 75, 20, 100, 20, 100, 60, 75, 60, 0, 0},
    {6, "for", "do", 50, 40, 75, 30, 100, 40, 75, 70, 0, 0, 0, 0},
    {7, "repeat", "", 50, 20, 150, 20, 100, 60, 0, 0, 0, 0, 0, 0},
    {8, "else", "", 50, 20, 100, 60, 20, 20, 0, 0, 0, 0, 0, 0},
    {9, "begin", "", 50, 20, 100, 60, 0, 0, 0, 0, 0, 0, 0, 0},
    {10, "with", "do", 50, 40, 75, 20, 125, 20, 100, 40, 0, 0, 0, 0},
    {11, "until", ";", 50, 40, 75, 20, 100, 40, 100, 60, 50, 60, 0, 0},
    {12, "procces", "", 50, 20, 100, 60, 20, 0, 0, 0, 0, 0, 0, 0},
    {13, "end shema", "", 50, 20, 200, 60, 40, 40, 0, 0, 0, 0, 0, 0},
    {14, "header", "", 50, 20, 100, 60, 20, 40, 0, 0, 0, 0, 0, 0},
    {15, "mylabel", ":", 50, 40, 75, 20, 100, 20, 100, 60, 75, 60, 0, 0},
    {16, "break", "", 50, 20, 75, 20, 100, 40, 75, 60, 50, 60, 0, 0},
    {17, "exit", "", 50, 20, 75, 20, 100, 40, 75, 60, 50, 60, 0, 0},
    {18, "try", ";", 50, 40, 100, 20, 150, 40, 100, 60, 0, 0, 0, 0},
    {19, "except", "", 50, 20, 100, 60, 0, 0, 0, 0, 0, 0, 0, 0},
};
} // namespace

void fillTemplates(ShapeTemplateTable& table)
{
    table.open();
    table.clear();
    for (const TemplateData& t : kTemplates) {
        ShapeTemplate r;
        r.n = t.n;
        r.kind = QString::fromUtf8(t.kind);
        r.headEnd = QString::fromUtf8(t.headEnd);
        r.x1 = t.x1;
        r.y1 = t.y1;
        r.x2 = t.x2;
        r.y2 = t.y2;
        r.x3 = t.x3;
        r.y3 = t.y3;
        r.x4 = t.x4;
        r.y4 = t.y4;
        r.x5 = t.x5;
        r.y5 = t.y5;
        r.x6 = t.x6;
        r.y6 = t.y6;
        table.append(r);
    }
    table.sortBy([](const ShapeTemplate& r) { return r.n; });
    table.first();
}

bool locateTemplate(ShapeTemplateTable& table, const QString& kind)
{
    if (kind.isEmpty()) return false;
    return table.locate([&](const ShapeTemplate& r) { return r.kind.str() == kind; });
}

} // namespace vexoria
