#pragma once
// The twelve page markers List1..List12: where one printed page of the chart
// ends and the next begins. They are kept as offsets from the top of the
// diagram, so they mean the same whatever the view's scroll position; the
// window shows each as a red rule over the picture. Printing and the break
// labels read them whether they are shown or not.
#include <array>

#include <QString>

namespace vexoria {

// Diagram pixels on one printed page: the spacing of the markers and the
// height of the report's page images.
constexpr int kPageHeight = 1040;

// One marker's fixed values. The drag limits and snap-back offsets are
// per-marker constants, not a formula.
struct PageMarkerRules {
    int left; // where the rule starts across the view
    int width;
    int defaultOffset; // 1040 · k
    int dragLimit;     // dragged to an offset greater than this, it snaps back
    int snapBack;
    int hyphens; // the caption: the page number and this many hyphens
};

class PageMarkers {
public:
    static constexpr int kCount = 12;

    // k is 1..12 in every call.
    static const PageMarkerRules& rules(int k);
    static QString caption(int k);

    int offset(int k) const { return at(k).offset; }
    bool shown(int k) const { return at(k).shown; }
    // The marker marks a page end of the current diagram: placed by the
    // default placement or pushed by the marker above it.
    bool placed(int k) const { return at(k).placed; }
    // The diagram height of the last default placement (0: never placed).
    int placedForHeight() const { return m_placedFor; }

    // Default places for a diagram h pixels tall: marker k at 1040 · k and
    // shown, until one passes the bottom edge; that one sits on the edge and
    // is the last. The markers after the last are hidden, at offset 0, and
    // mark nothing.
    void placeDefault(int h);
    // Hides every marker; the offsets stay, printing still reads them.
    void hideAll();
    // Everything back to the start: hidden, offset 0, nothing placed.
    void clear();
    // Sets marker k's offset (a test, or a marker put in place by hand).
    void setOffset(int k, int offset) { at(k).offset = offset; }

    // The mouse moved over marker k, or anywhere while marker k holds the
    // pointer; pointerOffset is the pointer's place as a marker offset. While
    // dragging is set the marker follows the pointer; past its drag limit it
    // snaps back and the drag ends. Then the next marker is put a page below
    // it when that lies on the diagram (h pixels tall), even without a drag.
    // Returns true when marker 12 was dragged past its limit, which the
    // caller reports: no more than twelve pages can be printed.
    bool mouseMove(int k, int pointerOffset, int h, bool& dragging);

private:
    struct Marker {
        int offset = 0;
        bool shown = false;
        bool placed = false;
    };
    Marker& at(int k) { return m_markers[static_cast<std::size_t>(k - 1)]; }
    const Marker& at(int k) const { return m_markers[static_cast<std::size_t>(k - 1)]; }

    std::array<Marker, kCount> m_markers{};
    int m_placedFor = 0;
};

// The markers' default places on a freshly drawn diagram diagramHeight
// pixels tall: placed all the same, since printing reads them, but shown only
// with "Разметка страниц" (markPages).
void placePageMarkers(PageMarkers& markers, int diagramHeight, bool markPages);

// "Разметка страниц": the default places, shown.
void showPageMarkers(PageMarkers& markers, int diagramHeight);

} // namespace vexoria
