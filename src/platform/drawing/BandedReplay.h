#pragma once
// A display list drawn a band of rows at a time, for a picture that is made
// and written in horizontal strips: each band replays only the shapes that
// may paint its rows, each with the pen and brush it was drawn with, so a
// strip costs what lies in it, not what the whole chart holds.
//
// A band edge falls only where the shapes come out as drawn whole, as far as
// is known: never through a dashed or dotted line, a slanted line or a curve
// (the painter starts a dash pattern afresh where the edge of its picture
// cuts a line, and steps a slanted line from where the edge cuts it), nor
// near a corner of a straight line. A shape that crosses the preferred edge
// makes its band taller. A straight line cut by an edge may still differ by
// its corner pixel now and then; a chart that fits one band has none.
#include "platform/drawing/DisplayList.h"
#include <vector>

#include "platform/drawing/Canvas.h"

namespace vexoria {

class BandedReplay {
public:
    // Bands from row 0 down to height, about preferredRows each.
    BandedReplay(const DisplayList& list, int height, int preferredRows);

    int bandCount() const { return static_cast<int>(m_tops.size()); }
    int bandTop(int band) const { return m_tops[static_cast<std::size_t>(band)]; }
    int bandRows(int band) const;
    int tallestBand() const;
    // Draws on target, in chart coordinates, the shapes that may paint the
    // rows of band, in the order they were drawn.
    void replay(Canvas& target, int band) const;
    // The pen and brush colours the shapes are drawn with, each once, in
    // the order they are first drawn with.
    std::vector<Colour> colours() const;

private:
    struct Pen {
        int width = 1;
        Colour colour = kBlack;
        PenStyle style = PenStyle::Solid;
        Colour brush = kWhite;
    };
    struct Shape {
        int op;
        Pen pen;
        int low;
        int high;
    };

    // Notes the rows a band edge may not fall on for op to come out as whole.
    void keepWhole(const DisplayList& list, const DisplayList::Op& op, const Pen& pen);

    void cutBands(int preferredRows);
    int bandOf(int row) const;

    const DisplayList& m_list;
    int m_height;
    std::vector<Shape> m_shapes;
    std::vector<std::pair<int, int>> m_uncut; // rows, low to high, no band may end inside
    std::vector<int> m_tops;
    std::vector<std::vector<int>> m_bands; // indices into m_shapes
};

} // namespace vexoria
