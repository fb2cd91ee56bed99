// Tables no classifier would make, and settings no one should type: sizing,
// drawing and the legend must end and stay inside the table and the picture.
#include <gtest/gtest.h>

#include <random>

#include "ChartBuilder.h"
#include "pipeline/Pipeline.h"
#include "platform/text/ConversionError.h"
#include "platform/drawing/QImageCanvas.h"

namespace vexoria::test {
namespace {

const char* const kKinds[] = {"var",   "if",   "while",  "case",    "goto",      "for",    "repeat",  "else",
                              "begin", "with", "until",  "procces", "end shema", "header", "mylabel", "break",
                              "exit",  "try",  "except", "end",     "",          "If",     "case "};
const char* const kLimits[] = {"260", "1", "0", "-40", "5", "100000", " 30 ", "x"};

QString randomText(std::mt19937& rng)
{
    const int n = static_cast<int>(rng() % 60);
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(static_cast<char16_t>(u' ' + rng() % 95));
    if (rng() % 7 == 0) s = QStringLiteral("case");
    return s;
}

TEST(RandomTables, EveryStageEndsWithoutFault)
{
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        ChartBuilder c;
        c.ws.settings.colourMode = rng() % 2;
        c.ws.settings.addLegend = rng() % 2;
        c.ws.settings.drawComments = rng() % 2;
        auto limit = [&] { return QString::fromLatin1(kLimits[rng() % std::size(kLimits)]); };
        c.ws.settings.varTextWidth = limit();
        c.ws.settings.ifTextWidth = limit();
        c.ws.settings.forTextWidth = limit();
        c.ws.settings.whileTextWidth = limit();
        c.ws.settings.elseTextWidth = limit();
        c.ws.settings.beginTextWidth = limit();
        c.ws.settings.maxChartLength = rng() % 3 ? QStringLiteral("100000") : limit();
        const int rows = static_cast<int>(rng() % 40);
        for (int i = 0; i < rows; ++i) {
            StatementRow r;
            const char* o = kKinds[rng() % std::size(kKinds)];
            if (*o) r.kind = o;
            if (rng() % 4) r.opensBlock = rng() % 5 != 0;
            r.text = randomText(rng);
            r.headText = randomText(rng);
            if (rng() % 3 == 0) r.comment = randomText(rng);
            c.add(r);
        }
        c.ws.palette.next = static_cast<int>(rng() % 40) - 10;
        c.part.firstCut = static_cast<int>(rng() % 40);
        c.part.secondCut = static_cast<int>(rng() % 40);
        c.part.extraParts = static_cast<int>(rng() % 3);
        c.part.number = static_cast<int>(rng() % 4);
        const bool onImage = round % 5 == 0;
        if (onImage) c.ws.canvasOverride = nullptr;
        for (int k = 0; k < 4; ++k) c.prompter.script(rng() % 2 ? Answer::No : Answer::Cancel);
        try {
            c.sizeAndCheck();
            c.draw();
            c.legend();
        } catch (const ConversionError&) {
            // A bad or zero limit stops the build; that is its answer.
        } catch (const PictureError&) {
            // A picture too large (or of no height) for the chart.
        }
        EXPECT_EQ(c.ws.statements.size(), rows);
    }
}

} // namespace
} // namespace vexoria::test
