// Writes the width table of the quick measure (QuickMeasure.h): the advance,
// in the diagram font, of every character whose width the diagram font gives
// alone and adds up in any text. Run at build time, so the table always
// belongs to the font the build embeds.
//
// A character goes in when it is a printable letter, digit, punctuation mark,
// symbol or blank of the Latin, Greek or Cyrillic script (or of none), the
// embedded face itself holds it (no fallback face), and it measures the same
// alone as beside every other such character: a ligature or a contextual form
// would break the sum, so both characters of such a pair stay out. Everything
// else is measured by the program itself.
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include <QChar>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRawFont>

#include "platform/drawing/CanvasPainting.h"
#include "platform/drawing/DiagramFont.h"
#include "platform/drawing/DiagramGlyphs.h"
#include "platform/prompts/QuietMessages.h"

namespace {

// The blocks the table looks at: text in Pascal code, comments and labels.
constexpr char32_t kRanges[][2] = {
    {0x0020, 0x007E}, {0x00A0, 0x024F}, {0x0370, 0x03FF}, {0x0400, 0x04FF}, {0x2010, 0x2027},
    {0x2030, 0x205E}, {0x20A0, 0x20BF}, {0x2100, 0x214F}, {0x2190, 0x21FF}, {0x2200, 0x22FF},
};

bool plainCategory(QChar::Category c)
{
    switch (c) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned: return false;
    default: return true;
    }
}

bool plainScript(QChar::Script s)
{
    return s == QChar::Script_Common || s == QChar::Script_Latin || s == QChar::Script_Greek ||
           s == QChar::Script_Cyrillic;
}

QString text(char32_t c) { return QString::fromUcs4(&c, 1); }

// Where a text is written on the pictures the glyphs are taken from: room
// enough on every side for any glyph of an 11-pixel face.
constexpr int kLeft = 24;
constexpr int kTop = 16;

// The text as the chart's picture has it, written by the font engine.
QImage written(const QString& s)
{
    QImage img(kLeft * 2 + vexoria::diagramTextWidth(s), kTop * 2 + vexoria::diagramFontMetrics().height(),
               QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    vexoria::painting::textOut(p, kLeft, kTop, s, vexoria::kWhite);
    return img;
}

// The runs of black pixels of a character alone; nothing when it writes any
// other colour than black (not a one-bit glyph) or reaches the picture's edge.
std::optional<std::vector<vexoria::GlyphRun>> glyphRuns(char32_t c)
{
    const QImage img = written(text(c));
    std::vector<vexoria::GlyphRun> runs;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width();) {
            const QRgb px = row[x] & 0xFFFFFF;
            if (px == 0xFFFFFF) {
                ++x;
                continue;
            }
            if (px != 0 || y == 0 || y == img.height() - 1 || x == 0) return std::nullopt;
            int end = x;
            while (end < img.width() && (row[end] & 0xFFFFFF) == 0) ++end;
            if (end == img.width() || end - x > 255) return std::nullopt;
            runs.push_back({static_cast<std::int8_t>(y - kTop), static_cast<std::int8_t>(x - kLeft),
                            static_cast<std::uint8_t>(end - x)});
            x = end;
        }
    }
    return runs;
}

// The text composed from the glyphs at the widths of the table.
QImage composed(const QString& s, const std::map<char32_t, std::vector<vexoria::GlyphRun>>& glyphs,
                const std::map<char32_t, int>& widths)
{
    QImage img(kLeft * 2 + vexoria::diagramTextWidth(s), kTop * 2 + vexoria::diagramFontMetrics().height(),
               QImage::Format_RGB32);
    img.fill(Qt::white);
    int pen = kLeft;
    for (const char32_t c : s.toUcs4()) {
        for (const vexoria::GlyphRun& r : glyphs.at(c))
            for (int i = 0; i < r.length; ++i) img.setPixel(pen + r.column + i, kTop + r.row, 0xFF000000);
        pen += widths.at(c);
    }
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s OUT.inc FACE.inc SCHEME.inc GLYPHS.inc\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vexoria::installQuietMessages();
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const QRawFont face = QRawFont::fromFont(vexoria::diagramFont());
    std::map<char32_t, int> widths;
    for (const auto& range : kRanges) {
        for (char32_t c = range[0]; c <= range[1]; ++c) {
            if (c == 0x9C || !plainCategory(QChar::category(c)) || !plainScript(QChar::script(c))) continue;
            if (!face.supportsCharacter(c)) continue;
            widths[c] = vexoria::diagramTextWidth(text(c));
        }
    }
    std::set<char32_t> broken;
    for (const auto& [a, wa] : widths) {
        const QString ta = text(a);
        for (const auto& [b, wb] : widths) {
            if (vexoria::diagramTextWidth(ta + text(b)) == wa + wb) continue;
            broken.insert(a);
            broken.insert(b);
        }
    }

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QByteArray body = "// Made by vexoria-make-width-table from the font " + vexoria::diagramFontFamily().toUtf8() +
                      ": code point, width in pixels.\n";
    for (const auto& [c, w] : widths) {
        if (broken.count(c)) continue;
        body +=
            QByteArray("{0x") + QByteArray::number(static_cast<uint>(c), 16) + ", " + QByteArray::number(w) + "},\n";
    }
    if (out.write(body) != body.size() || !out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    // What a program that measures from the table without loading the face
    // needs to know of it (DiagramFaceFacts in platform/drawing/DiagramWidths.h).
    const QFontMetrics& metrics = vexoria::diagramFontMetrics();
    const QByteArray facts = "// Made by vexoria-make-width-table: the face the width table belongs to.\n" +
                             QByteArray(vexoria::diagramFontIsEmbedded() ? "true" : "false") + ", \"" +
                             vexoria::diagramFontFamily().toUtf8() + "\", " +
                             QByteArray::number(vexoria::diagramFont().pixelSize()) + ", " +
                             QByteArray::number(metrics.ascent()) + ", " + QByteArray::number(metrics.height()) + "\n";
    QFile faceOut(QString::fromLocal8Bit(argv[2]));
    if (!faceOut.open(QIODevice::WriteOnly | QIODevice::Truncate) || faceOut.write(facts) != facts.size() ||
        !faceOut.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    // The colours of the scheme a coloured chart takes (platform/drawing/
    // SchemeColours.h), on the platform this runs on, with this Qt.
    const QPalette pal = QGuiApplication::palette();
    const auto hex = [](const QColor& c) {
        return "0x" + QByteArray::number(static_cast<uint>(c.blue() << 16 | c.green() << 8 | c.red()), 16);
    };
    const QByteArray scheme = "// Made by vexoria-make-width-table: Qt, platform, highlight, window.\n\"" +
                              QByteArray(qVersion()) + "\", \"" + QGuiApplication::platformName().toUtf8() + "\", " +
                              hex(pal.color(QPalette::Active, QPalette::Highlight)) + ", " +
                              hex(pal.color(QPalette::Active, QPalette::Window)) + "\n";
    QFile schemeOut(QString::fromLocal8Bit(argv[3]));
    if (!schemeOut.open(QIODevice::WriteOnly | QIODevice::Truncate) || schemeOut.write(scheme) != scheme.size() ||
        !schemeOut.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }

    // The glyphs of the table's characters: each drawn alone, then checked
    // in texts against what the font engine writes for them. A character
    // whose glyph does not compose so stays with the engine.
    std::map<char32_t, std::vector<vexoria::GlyphRun>> glyphs;
    for (const auto& [c, w] : widths) {
        if (broken.count(c)) continue;
        if (auto runs = glyphRuns(c)) glyphs[c] = std::move(*runs);
    }
    const char32_t neighbours[] = {U' ', U'a', U'W', U'f', U'j', U'1', U'.', U'(', 0x416, 0x439, U'_', U'\'', U'T'};
    std::set<char32_t> unlike;
    for (const auto& [c, runs] : glyphs) {
        for (const char32_t n : neighbours) {
            if (!glyphs.count(n)) continue;
            const QString s = text(n) + text(c) + text(n) + text(c) + text(c);
            if (written(s) != composed(s, glyphs, widths)) unlike.insert(c);
        }
    }
    for (const char32_t c : unlike) glyphs.erase(c);
    // Whole lines of every glyph left, in order and backwards.
    std::vector<char32_t> all;
    for (const auto& [c, runs] : glyphs) all.push_back(c);
    for (int backwards = 0; backwards < 2; ++backwards) {
        for (std::size_t i = 0; i < all.size(); i += 60) {
            QString s;
            for (std::size_t k = i; k < std::min(all.size(), i + 60); ++k)
                s += text(backwards ? all[all.size() - 1 - k] : all[k]);
            if (written(s) != composed(s, glyphs, widths)) {
                std::fprintf(stderr, "glyphs do not compose in the line: %s\n", s.toUtf8().constData());
                return 1;
            }
        }
    }
    QByteArray glyphBody = "// Made by vexoria-make-width-table from the font " + vexoria::diagramFontFamily().toUtf8() +
                           ": the glyph runs (row, column, length) and each character's advance and runs.\n"
                           "constexpr GlyphRun kGlyphRuns[] = {\n";
    QByteArray entries = "constexpr GlyphEntry kGlyphEntries[] = {\n";
    std::size_t runCount = 0;
    for (const auto& [c, runs] : glyphs) {
        entries += "{0x" + QByteArray::number(static_cast<uint>(c), 16) + ", " + QByteArray::number(widths.at(c)) +
                   ", " + QByteArray::number(static_cast<qulonglong>(runCount)) + ", " +
                   QByteArray::number(static_cast<qulonglong>(runs.size())) + "},\n";
        for (const vexoria::GlyphRun& r : runs)
            glyphBody += "{" + QByteArray::number(r.row) + ", " + QByteArray::number(r.column) + ", " +
                         QByteArray::number(r.length) + "},\n";
        runCount += runs.size();
    }
    if (runCount == 0) glyphBody += "{0, 0, 0},\n";
    if (runCount > 0xFFFF) {
        std::fprintf(stderr, "too many glyph runs: %zu\n", runCount);
        return 1;
    }
    if (glyphs.empty()) entries += "{0, 0, 0, 0},\n";
    glyphBody += "};\n" + entries + "};\n";
    QFile glyphOut(QString::fromLocal8Bit(argv[4]));
    if (!glyphOut.open(QIODevice::WriteOnly | QIODevice::Truncate) || glyphOut.write(glyphBody) != glyphBody.size() ||
        !glyphOut.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 1;
    }
    std::fprintf(stderr, "width table: %zu characters, %zu left out; %zu glyphs, %zu left to the font engine\n",
                 widths.size() - broken.size(), broken.size(), glyphs.size(), widths.size() - broken.size() - glyphs.size());
    return 0;
}
