// Break labels: a connection cut by a page break gets the same tag just above
// and just below the break, so the two halves can be matched across sheets.
// The tags are drawn into the diagram itself and stay there.
#include "pages/BreakLabels.h"

#include <algorithm>

namespace vexoria {

namespace {

// The tag centred on x: the upper copy ends near the marker's rule on the
// earlier sheet, the lower one starts 8 pixels below the marker, wholly on
// the next sheet. Both are opaque, so the line under them is blanked out.
void writeLabel(Canvas& canvas, const QString& tag, int x, int o)
{
    const int h = canvas.textWidth(tag) / 2;
    canvas.textOut(x - h, o - 8, tag);
    canvas.textOut(x - h, o + 8, tag);
}

} // namespace

void writeBreakLabels(const ConnectionTable& connections, int firstRow, const PageMarkers& markers, Canvas& canvas)
{
    // After "Далее" the table still holds the lines of the earlier parts;
    // they are not on this picture and get no labels on it.
    for (int i = std::max(firstRow, 0); i < connections.size(); ++i) {
        const ConnectionRow& r = connections.at(i);
        const ConnectionKind kind = r.connectionKind();
        const QString tag = r.ownerKind.str() + QString::number(val(r.n));
        for (int k = 1; k <= PageMarkers::kCount; ++k) {
            // Every marker counts, shown or not: only its place matters. The
            // bounds are inclusive, so an end on the break is labelled.
            const int o = markers.offset(k);
            if (kind == ConnectionKind::LoopReturn) {
                // A loop return runs upward: its lane is x4, from y1 up to y5.
                if (val(r.y1) >= o && val(r.y5) <= o) writeLabel(canvas, tag, val(r.x4), o);
            } else if (kind == ConnectionKind::ForExit || kind == ConnectionKind::WhileExit ||
                       kind == ConnectionKind::No || kind == ConnectionKind::RepeatReturn ||
                       kind == ConnectionKind::Bracket || kind == ConnectionKind::Jump) {
                // The lane of an exit back to an enclosing loop's test runs up.
                const int top = std::min(val(r.y1), val(r.y3));
                const int bottom = std::max(val(r.y1), val(r.y3));
                if (top <= o && bottom >= o) writeLabel(canvas, tag, val(r.x2), o);
            }
        }
    }
}

void labelLines(const ConnectionTable& connections, int firstRow, const PageMarkers& markers, Canvas& canvas)
{
    canvas.setBrushColour(kWhite);
    writeBreakLabels(connections, firstRow, markers, canvas);
}

} // namespace vexoria
