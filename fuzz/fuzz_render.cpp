// libFuzzer target: the whole build of a chart, as render runs it: the
// classifier, sizing and the length check, the drawing pass, the structure
// check, connection routing, the legend, and "Далее" for the later parts of
// a chart built in parts.
//
// The first three bytes choose the settings: for each numeric setting a
// build reads, two bits pick its least, factory, middle or greatest value;
// the third byte switches colour, legend and comments, picks the answer to
// the length question, and draws one run in eight on a real picture of at
// most 2 MB, the others (a picture costs far more time than the stages) on a
// recording canvas that measures in the diagram font. The rest is the code,
// read as a code file is.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/text/ConversionError.h"
#include "platform/prompts/Prompter.h"
#include "platform/drawing/QImageCanvas.h"
#include "platform/drawing/RecordingCanvas.h"
#include "platform/settings/SettingLimits.h"
#include "platform/text/TextCodec.h"

namespace {

class AnsweringPrompter : public vexoria::Prompter {
public:
    explicit AnsweringPrompter(vexoria::Answer answer) : m_answer(answer) {}
    void message(const QString&) override {}
    vexoria::Answer question(const QString&, const QString&, vexoria::Buttons, vexoria::Icon) override
    {
        return m_answer;
    }

private:
    vexoria::Answer m_answer;
};

void chooseSettings(vexoria::Settings& s, std::uint16_t sizes, std::uint8_t flags)
{
    const vexoria::Settings factory;
    int shift = 0;
    for (const vexoria::NumericSetting& n : vexoria::numericSettings()) {
        if (!n.readByBuild) continue;
        const int pick = (sizes >> shift) & 3;
        shift += 2;
        const int value = pick == 0 ? n.min : pick == 2 ? (n.min + n.max) / 2 : n.max;
        s.*(n.text) = pick == 1 ? factory.*(n.text) : QString::number(value);
    }
    s.colourMode = flags & 1;
    s.addLegend = flags & 2;
    s.drawComments = flags & 4;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the fuzzer ends the process from inside exit(), where
    // the application's destructor would find Qt's per-thread data gone.
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint16_t sizes = size >= 2 ? static_cast<std::uint16_t>(data[0] | data[1] << 8) : 0x5555;
    const std::uint8_t flags = size >= 3 ? data[2] : 0;
    const std::size_t skip = size >= 3 ? 3 : size;
    const QByteArray bytes(reinterpret_cast<const char*>(data + skip), static_cast<qsizetype>(size - skip));
    const vexoria::Answer answers[] = {vexoria::Answer::No, vexoria::Answer::Yes, vexoria::Answer::Cancel,
                                       vexoria::Answer::No};

    AnsweringPrompter prompter(answers[(flags >> 3) & 3]);
    vexoria::Workspace ws;
    ws.prompter = &prompter;
    vexoria::RecordingCanvas recording(vexoria::RecordingCanvas::fontMetric());
    if ((flags >> 5) == 7) ws.diagram.setMaxPictureBytes(qint64(2) << 20);
    else ws.canvasOverride = &recording;
    chooseSettings(ws.settings, sizes, flags);
    ws.codeText = vexoria::classifierText(vexoria::decodeCodeText(bytes));
    try {
        vexoria::classifyCode(ws);
        const bool whole = vexoria::drawChart(ws);
        if (!whole && ws.parts.nextPartAvailable() && ws.diagram.hasPicture())
            for (int part = 2; part <= 3 && ws.parts.nextPartAvailable(); ++part) vexoria::drawNextPart(ws);
    } catch (const vexoria::PictureError&) {
        // A chart taller than the picture cap: refused, as a real one is.
    } catch (const vexoria::ConversionError&) {
        // Every chosen setting is in its range: this is a fault.
        std::abort();
    }
    return 0;
}
