#pragma once
// Where render draws a chart and how it writes it: a JPEG is drawn on the
// diagram's picture and encoded from it; an SVG, PDF, PNG or BMP chart is
// drawn on a display list and written from that (a PNG or BMP a strip of
// rows at a time), so no picture is made and a chart of any length can be
// written (a BMP up to the 2 GB its size fields hold).
#include <optional>

#include <QString>

#include "platform/drawing/DisplayList.h"
#include "platform/pictures/PictureFormat.h"

namespace vexoria {
struct Workspace;
}

namespace vexoria::cli {

class ChartOutput {
public:
    // Puts the display list in the workspace for a vector format.
    ChartOutput(Workspace& ws, PictureFormat format);
    ~ChartOutput();
    ChartOutput(const ChartOutput&) = delete;
    ChartOutput& operator=(const ChartOutput&) = delete;

    // Something was drawn since the picture was last started.
    bool drawn() const;
    // Why nothing was drawn, when the chart is too tall for its format.
    QString tooTall(const QString& path) const;
    // Writes the chart (or the part of it) drawn last; false with *error set.
    bool write(const QString& path, QString* error) const;

    // A JPEG holds at most this many rows.
    static constexpr int kJpegMaxRows = 65500;

private:
    Workspace& m_ws;
    PictureFormat m_format;
    std::optional<VectorFormat> m_vector;
    bool m_strips;
    DisplayList m_drawing;
};

// Writes a chart that is not an SVG: a picture, or a PDF (ChartPictures.cpp,
// with Qt's GUI library; the lean command line hands its command over
// instead). `drawing` is the chart's display list, empty for a JPEG, which is
// encoded from the diagram's picture.
bool writeChartPicture(const Workspace& ws, const DisplayList& drawing, PictureFormat format, const QString& path,
                       QString* error);

} // namespace vexoria::cli
