#include "platform/settings/IniFile.h"

#include <limits>

namespace vexoria {

namespace {

bool isComment(const QString& trimmed) { return trimmed.startsWith(u';') || trimmed.startsWith(u'#'); }

// The name of a "[name]" header line, or nothing for any other line.
std::optional<QString> headerName(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'[')) return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

struct Entry {
    QString key;
    QString value;
};

// The key and value of a "key=value" line; comments, headers and lines
// without '=' are no entries.
std::optional<Entry> entryOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || isComment(t) || t.startsWith(u'[')) return std::nullopt;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0) return std::nullopt;
    Entry e{t.left(eq).trimmed(), t.mid(eq + 1).trimmed()};
    if (e.key.isEmpty()) return std::nullopt;
    if (e.value.size() >= 2) {
        const QChar q = e.value.front();
        if ((q == u'"' || q == u'\'') && e.value.back() == q) e.value = e.value.mid(1, e.value.size() - 2);
    }
    return e;
}

bool sameName(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) == 0; }

} // namespace

IniFile IniFile::fromText(const QString& text)
{
    IniFile f;
    QString line;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            f.m_lines << line;
            line.clear();
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        } else {
            line += c;
        }
    }
    // A last line without a line break still counts.
    if (!line.isEmpty()) f.m_lines << line;
    return f;
}

int IniFile::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const auto name = headerName(m_lines[i]);
        if (name && sameName(*name, section)) return i;
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && !headerName(m_lines[i])) ++i;
    return i;
}

int IniFile::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const auto e = entryOf(m_lines[i]);
        if (e && sameName(e->key, key)) return i;
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const int header = findSection(section);
    if (header < 0) return std::nullopt;
    const int at = findKey(header, key);
    if (at < 0) return std::nullopt;
    return entryOf(m_lines[at])->value;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    // A line break inside a value would start a new line of the file and
    // turn the rest of the value into a stray entry; it is written as a blank.
    QString raw = value;
    raw.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString line = key + u'=' + raw;

    int header = findSection(section);
    if (header < 0) {
        m_lines << (u'[' + section + u']') << line;
        return;
    }
    const int at = findKey(header, key);
    if (at >= 0) {
        m_lines[at] = line;
        return;
    }
    // After the section's last non-blank line, so blank lines that separate
    // it from the next section stay below it.
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines[insertAt - 1].trimmed().isEmpty()) --insertAt;
    m_lines.insert(insertAt, line);
}

QString IniFile::toText() const
{
    QString out;
    for (const QString& l : m_lines) out += l + QStringLiteral("\r\n");
    return out;
}

std::optional<int> parseIniInteger(const QString& text)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty()) return std::nullopt;
    for (QChar c : t) {
        const char16_t u = c.unicode();
        const bool dec = u >= u'0' && u <= u'9';
        const bool hex = (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!(dec || (base == 16 && hex))) return std::nullopt;
    }
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, base);
    if (!ok) return std::nullopt;
    const qlonglong s = negative ? -v : v;
    if (s < std::numeric_limits<int>::min() || s > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(s);
}

} // namespace vexoria
