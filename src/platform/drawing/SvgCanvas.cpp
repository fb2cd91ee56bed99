#include "platform/drawing/SvgCanvas.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include <QRect>

#include "platform/drawing/DiagramFont.h"

namespace vexoria {

namespace {

constexpr char kHex[] = "0123456789abcdef";

bool xmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

void appendXmlText(QByteArray& out, const QString& text)
{
    const auto* s = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    qsizetype plain = 0;
    const auto flushPlain = [&](qsizetype end) {
        if (end > plain) out += QStringView(s + plain, end - plain).toUtf8();
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        const char* escape = nullptr;
        switch (c) {
        case u'&': escape = "&amp;"; break;
        case u'<': escape = "&lt;"; break;
        case u'>': escape = "&gt;"; break;
        case u'\n': escape = "&#10;"; break;
        case u'\r': escape = "&#13;"; break;
        default:
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
                ++i;
                continue;
            }
            if (xmlChar(c) && !QChar::isSurrogate(c)) continue;
            escape = "\xEF\xBF\xBD"; // U+FFFD: XML cannot hold the character
        }
        flushPlain(i);
        out += escape;
        plain = i + 1;
    }
    flushPlain(n);
}

QByteArray xmlText(const QString& text)
{
    QByteArray out;
    appendXmlText(out, text);
    return out;
}

SvgCanvas::SvgCanvas() { m_out.reserve(1 << 16); }

QByteArray SvgCanvas::takeElements()
{
    if (m_inGroup) m_out += "</g>\n";
    m_inGroup = false;
    m_penChanged = true;
    return std::exchange(m_out, QByteArray());
}

void SvgCanvas::number(int n)
{
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, n).ptr;
    m_out.append(buf, end - buf);
}

void SvgCanvas::number(double n)
{
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, n).ptr;
    m_out.append(buf, end - buf);
}

void SvgCanvas::colour(Colour c)
{
    // 0x00BBGGRR as #rrggbb.
    const char hex[7] = {'#',
                         kHex[(c >> 4) & 0xF],
                         kHex[c & 0xF],
                         kHex[(c >> 12) & 0xF],
                         kHex[(c >> 8) & 0xF],
                         kHex[(c >> 20) & 0xF],
                         kHex[(c >> 16) & 0xF]};
    m_out.append(hex, 7);
}

void SvgCanvas::style()
{
    if (!m_penChanged) return;
    if (m_inGroup) m_out += "</g>\n";
    const int width = m_pen.penWidth < 1 ? 1 : m_pen.penWidth;
    m_out += "<g stroke=\"";
    colour(m_pen.penColour);
    m_out += "\" stroke-width=\"";
    number(width);
    m_out += "\" fill=\"";
    colour(m_pen.brushColour);
    m_out += width == 1 ? "\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\""
                        : "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    if (m_pen.penStyle != PenStyle::Solid) {
        const bool dash = m_pen.penStyle == PenStyle::Dash;
        m_out += " stroke-dasharray=\"";
        number((dash ? 18 : 3) * width);
        m_out += ' ';
        number((dash ? 6 : 3) * width);
        m_out += '"';
    }
    m_out += ">\n";
    m_inGroup = true;
    m_penChanged = false;
}

void SvgCanvas::points(const std::vector<QPoint>& pts)
{
    m_out += " points=\"";
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i) m_out += ' ';
        number(pts[i].x());
        m_out += ',';
        number(pts[i].y());
    }
    m_out += '"';
}

void SvgCanvas::rect(int x, int y, int w, int h)
{
    m_out += "<rect x=\"";
    number(x);
    m_out += "\" y=\"";
    number(y);
    m_out += "\" width=\"";
    number(w);
    m_out += "\" height=\"";
    number(h);
    m_out += '"';
}

void SvgCanvas::polygon(const std::vector<QPoint>& pts)
{
    if (pts.empty()) return;
    style();
    m_out += "<polygon";
    points(pts);
    m_out += "/>\n";
}

void SvgCanvas::polyline(const std::vector<QPoint>& pts)
{
    if (pts.empty()) return;
    style();
    m_out += "<polyline fill=\"none\"";
    points(pts);
    m_out += "/>\n";
}

void SvgCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    // The box the image canvas outlines (CanvasPainting.cpp).
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)).normalized();
    style();
    rect(r.x(), r.y(), r.width(), r.height());
    m_out += "/>\n";
}

void SvgCanvas::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    const int left = std::min(x1, x2 - 1);
    const int top = std::min(y1, y2 - 1);
    style();
    rect(left, top, std::abs(x2 - 1 - x1), std::abs(y2 - 1 - y1));
    if (w > 0 && h > 0) {
        m_out += " rx=\"";
        number(w / 2.0);
        m_out += "\" ry=\"";
        number(h / 2.0);
        m_out += '"';
    }
    m_out += "/>\n";
}

void SvgCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    const QRect r = QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized();
    style();
    rect(r.x(), r.y(), r.width(), r.height());
    m_out += " stroke=\"none\"/>\n";
}

void SvgCanvas::textOut(int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    style();
    // The cell, then the text in black on its baseline, as wide as on the
    // picture whatever face the viewer finds.
    const int width = cellWidth(text);
    rect(x, y, width, diagramTextHeight());
    m_out += " stroke=\"none\"/>\n<text x=\"";
    number(x);
    m_out += "\" y=\"";
    number(y + diagramTextAscent());
    m_out += "\" textLength=\"";
    number(width);
    m_out += "\" fill=\"#000000\" stroke=\"none\">";
    appendXmlText(m_out, diagramShownText(text));
    m_out += "</text>\n";
}

int SvgCanvas::cellWidth(const QString& text)
{
    const auto it = m_widths.constFind(text);
    if (it != m_widths.constEnd()) return *it;
    const int width = diagramTextWidth(text);
    m_widths.insert(text, width);
    return width;
}

void SvgCanvas::reserve(std::size_t items)
{
    // A call writes some 70 bytes on average (a text with its cell about
    // 150, a change of pen or brush nothing until the next shape); room left
    // unused is never touched.
    constexpr std::size_t kBytesPerItem = 96;
    m_out.reserve(static_cast<qsizetype>(std::min<std::size_t>(items * kBytesPerItem, std::size_t(1) << 30)));
}

int SvgCanvas::textWidth(const QString& text) const { return diagramTextWidth(text); }

} // namespace vexoria
