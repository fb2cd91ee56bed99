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
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include <QChar>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QRawFont>

#include "platform/drawing/DiagramFont.h"
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUT.inc FACE.inc SCHEME.inc\n", argv[0]);
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
    std::fprintf(stderr, "width table: %zu characters, %zu left out\n", widths.size() - broken.size(), broken.size());
    return 0;
}
