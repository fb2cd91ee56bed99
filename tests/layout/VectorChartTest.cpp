// Charts drawn for SVG and PDF: the stages draw on a display list (the
// command line), or the picture keeps the calls it was drawn with (the
// window); either is replayed on the vector device. The drawing must be the
// picture's drawing, call for call, also for the later parts of a chart built
// in parts; the SVG holds the chart's texts as text; the PDF page keeps the
// chart's shape.
#include <gtest/gtest.h>

#include <functional>

#include <QImage>
#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "pipeline/Pipeline.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/DisplayList.h"
#include "platform/drawing/QImageCanvas.h"
#include "platform/drawing/RecordingCanvas.h"
#include "platform/text/TextCodec.h"
#include "platform/pictures/VectorChart.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

class AnswerYes : public Prompter {
public:
    void message(const QString&) override {}
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::Yes; }
};

QString codeOf(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
    return toCrLf(decodeCodeText(f.readAll()));
}

QStringList routines()
{
    QStringList paths;
    for (const char* dir :
         {VEXORIA_SOURCE_DIR "/examples", VEXORIA_TEST_DATA "/layout", VEXORIA_TEST_DATA "/connect"}) {
        QDirIterator it(QString::fromUtf8(dir), {QStringLiteral("*.pas")}, QDir::Files);
        while (it.hasNext()) paths << it.next();
    }
    paths.sort();
    return paths;
}

// The settings the charts are drawn with: as installed; monochrome with
// comments and the legend; colour with both; and a length limit that cuts
// the longer routines into parts.
std::vector<std::function<void(Settings&)>> settingsVariants()
{
    return {
        [](Settings&) {},
        [](Settings& s) { s.colourMode = false, s.drawComments = true, s.addLegend = true; },
        [](Settings& s) { s.colourMode = true, s.drawComments = true, s.addLegend = true; },
        [](Settings& s) { s.maxChartLength = QStringLiteral("600"); },
    };
}

// Builds the routine as render does, part after part; `drawn` sees each part.
void buildParts(Workspace& ws, const std::function<void(Workspace&)>& drawn)
{
    classifyCode(ws);
    const bool whole = drawChart(ws);
    drawn(ws);
    if (whole) return;
    for (int part = 2; part <= ws.parts.extraParts + 1 && ws.parts.nextPartAvailable(); ++part) {
        drawNextPart(ws);
        drawn(ws);
    }
}

TEST(VectorChart, DrawsWhatThePictureHoldsPartForPart)
{
    AnswerYes yes;
    int charts = 0;
    for (const QString& path : routines()) {
        for (const auto& vary : settingsVariants()) {
            // The picture, and the picture's own drawing replayed (what the
            // window saves as SVG or PDF).
            std::vector<QImage> pictures;
            std::vector<QImage> ownDrawing;
            Workspace bitmap;
            bitmap.prompter = &yes;
            bitmap.codeText = codeOf(path);
            vary(bitmap.settings);
            buildParts(bitmap, [&](Workspace& ws) {
                pictures.push_back(ws.diagram.image());
                Diagram page;
                page.setHeight(ws.diagram.height());
                if (ws.diagram.hasPicture()) ws.diagram.drawing().replay(page.canvas());
                ownDrawing.push_back(page.image());
            });

            std::vector<QImage> replayed;
            Workspace vector;
            vector.prompter = &yes;
            vector.codeText = bitmap.codeText;
            vary(vector.settings);
            DisplayList list(&vector.diagram);
            vector.canvasOverride = &list;
            buildParts(vector, [&](Workspace& ws) {
                if (list.isEmpty()) { // nothing drawn (a chart of four parts or more is refused)
                    replayed.emplace_back();
                    return;
                }
                Diagram page;
                page.setHeight(ws.diagram.height());
                list.replay(page.canvas());
                replayed.push_back(page.image());
            });

            ASSERT_EQ(replayed.size(), pictures.size()) << qPrintable(path);
            for (size_t i = 0; i < pictures.size(); ++i) {
                EXPECT_TRUE(replayed[i] == pictures[i]) << qPrintable(path) << " part " << i + 1;
                EXPECT_TRUE(ownDrawing[i] == pictures[i]) << qPrintable(path) << " part " << i + 1;
                charts += pictures[i].isNull() ? 0 : 1;
            }
        }
    }
    EXPECT_GT(charts, 4 * 8);
}

struct VectorBuild {
    Workspace ws;
    DisplayList list{&ws.diagram};
    RecordingCanvas calls{RecordingCanvas::fontMetric()};

    explicit VectorBuild(const QString& code)
    {
        ws.codeText = code;
        ws.settings.addLegend = true;
        ws.canvasOverride = &list;
        classifyCode(ws);
        EXPECT_TRUE(drawChart(ws));
        list.replay(calls);
    }
    QSize size() const { return QSize(ws.diagram.width(), ws.diagram.height()); }
    QByteArray write(VectorFormat format, const QString& title = {})
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart"));
        QString error;
        EXPECT_TRUE(writeVectorChart(list, size(), format, path, title, &error)) << qPrintable(error);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
};

TEST(VectorChart, SvgHoldsEveryTextOfTheChartAtItsPlace)
{
    VectorBuild b(codeOf(QStringLiteral(VEXORIA_SOURCE_DIR "/examples/bubble_sort.pas")));
    const QByteArray svg = b.write(VectorFormat::Svg, QStringLiteral("Bubble"));

    // Every text call, in order, as (x, baseline) and the text shown.
    const QRegularExpression textCall(QStringLiteral("^text (-?\\d+),(-?\\d+) \"(.*)\"$"));
    QStringList expected;
    for (const QString& line : b.calls.lines()) {
        const auto m = textCall.match(line);
        if (!m.hasMatch() || m.captured(3).isEmpty()) continue;
        const int baseline = m.captured(2).toInt() + diagramFontMetrics().ascent();
        expected << QStringLiteral("%1,%2 %3").arg(m.captured(1)).arg(baseline).arg(m.captured(3));
    }
    ASSERT_GT(expected.size(), 10);
    EXPECT_TRUE(expected.join(u'\n').contains(QStringLiteral("END SHEMA")));

    QStringList found;
    QString viewBox;
    QString family;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto attrs = xml.attributes();
        if (xml.name() == QLatin1String("svg")) viewBox = attrs.value(QLatin1String("viewBox")).toString();
        if (family.isEmpty()) family = attrs.value(QLatin1String("font-family")).toString();
        if (xml.name() != QLatin1String("text")) continue;
        const QString pos =
            attrs.value(QLatin1String("x")).toString() + u',' + attrs.value(QLatin1String("y")).toString();
        found << pos + u' ' + xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_EQ(viewBox, QStringLiteral("0 0 %1 %2").arg(b.size().width()).arg(b.size().height()));
    EXPECT_TRUE(family.startsWith(u'\'' + diagramFontFamily() + u'\'')) << qPrintable(family);
    EXPECT_EQ(found, expected);
}

// The page's size in points, from the PDF's MediaBox.
QSizeF mediaBox(const QByteArray& pdf)
{
    const auto m =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]")).match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

TEST(VectorChart, PdfIsOnePageWithTheChartsProportions)
{
    VectorBuild b(codeOf(QStringLiteral(VEXORIA_SOURCE_DIR "/examples/binary_search.pas")));
    const QByteArray pdf = b.write(VectorFormat::Pdf, QStringLiteral("Binary search"));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    const QSizeF page = mediaBox(pdf);
    EXPECT_NEAR(page.width(), 700 * 0.75, 0.5);
    EXPECT_NEAR(page.height(), b.size().height() * 0.75, 0.5);

    // Longer than 200 inches: the whole chart is scaled down to that height.
    const QSizeF tall = pdfPageSize(QSize(700, 44'548));
    EXPECT_DOUBLE_EQ(tall.height(), 14'400);
    EXPECT_NEAR(tall.width() / tall.height(), 700.0 / 44'548, 1e-9);
}

TEST(VectorChart, APictureOpenedFromAFileIsNoDrawing)
{
    Diagram d;
    QImage opened(300, 200, QImage::Format_RGB32);
    opened.fill(Qt::white);
    d.setPicture(opened);
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeDiagramAsVector(d, VectorFormat::Svg, dir.filePath(QStringLiteral("x.svg")), {}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("opened from a file"))) << qPrintable(error);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.svg"))));
}

} // namespace
} // namespace vexoria::test
