#pragma once
// Text widths without shaping. The build measures every character the
// embedded diagram face holds alone (cli/quick/MakeWidthTable.cpp) and keeps
// only those whose widths add up in any text; a program that has that table
// hands it over here at its start, and diagramTextWidth then sums the table's
// widths for a text made only of such characters, as long as the face in use
// is the embedded one the table was made from. Shaping every text of a long
// chart through the font engine took a fifth of its time.
#include <cstddef>
#include <optional>

#include <QString>

namespace vexoria {

struct CharWidth {
    char32_t code;
    int width;
};

// What the build found of the face the table was measured in.
struct DiagramFaceFacts {
    bool embedded;      // the embedded face, not the system's fallback
    const char* family; // as diagramFontFamily() gives it
    int pixelSize;
    int ascent;
    int height;
};

// Takes the table (sorted on code) of the face described; called once,
// before any text is measured and before any thread is started. A table of
// a face that was not the embedded one is not taken. With a table taken the
// face need not be loaded, and the GUI application not started, until a
// text holds a character the table leaves out.
void installDiagramWidths(const CharWidth* table, std::size_t count, const DiagramFaceFacts& face);
// Takes the table away again.
void removeDiagramWidths();

// The facts of the face whose table was taken; nullptr without one.
const DiagramFaceFacts* installedDiagramFace();

// The width of text from the table, a tab counting as a blank; nothing when
// no table was installed, the diagram face is not the embedded one, or a
// character of text is not in the table.
std::optional<int> tableTextWidth(const QString& text);

} // namespace vexoria
