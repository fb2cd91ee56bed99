#pragma once
// A canvas that draws nothing and writes every call as one line of text, in
// the order of the calls (the format is in docs/formats.md, "Canvas calls"):
//   pen width=2 | pen color=8388608 | pen style=dash | brush color=16777215
//   polygon 300,40 350,20 400,40 350,60 | polyline 10,10 20,20
//   rect 300,20 400,60 | roundrect 300,20 450,60 40,40 | fillrect 0,0 10,10
//   text 325,35 "a > b"
// Text widths come from a fixed metric (tests: n pixels per character, so
// every coordinate can be worked out by hand) or from the diagram font (the
// draw command). Width queries are not recorded.
// It is a log, where DisplayList is a store: given a sink it keeps nothing,
// so the draw command prints a chart of any length as it is drawn and a test
// can watch every call as it is made; and it measures with any metric, where
// a display list measures in the font its replays draw in.
#include <functional>

#include <QString>
#include <QStringList>

#include "platform/drawing/Canvas.h"

namespace vexoria {

class RecordingCanvas : public Canvas {
public:
    using Metric = std::function<int(const QString&)>;

    // Widths of pixelsPerChar for every character.
    static Metric fixedMetric(int pixelsPerChar);
    // Widths in the diagram font.
    static Metric fontMetric();

    explicit RecordingCanvas(Metric metric = fixedMetric(5)) : m_metric(std::move(metric)) {}

    // When set, each line goes to the sink as it is made instead of the list.
    void setSink(std::function<void(const QString&)> sink) { m_sink = std::move(sink); }

    const QStringList& lines() const { return m_lines; }
    void clearLines() { m_lines.clear(); }

    void setPenWidth(int width) override;
    void setPenColour(Colour colour) override;
    void setPenStyle(PenStyle style) override;
    void setBrushColour(Colour colour) override;

    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) const override;

private:
    void record(const QString& line);

    Metric m_metric;
    std::function<void(const QString&)> m_sink;
    QStringList m_lines;
};

// The line a canvas call is recorded as, for building expected lines in tests.
QString recordedPoints(const std::vector<QPoint>& points);

} // namespace vexoria
