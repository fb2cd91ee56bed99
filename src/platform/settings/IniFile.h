#pragma once
// An INI file as Windows' profile functions see it, kept as its lines so that
// writing a key changes only that key's line and leaves comments, other
// sections and unknown keys where they were.
//
// Reading: sections and keys match without regard to case; blanks around the
// name and the value are dropped; a value enclosed in a pair of single or
// double quotes loses them; lines starting with ';' or '#' are comments; the
// first section of a name and the first key in it win.
// Writing: a value is written raw ("key=value"); a new key goes after the last
// entry of its section, a new section at the end of the file; lines end CR LF.
#include <optional>

#include <QString>
#include <QStringList>

namespace vexoria {

class IniFile {
public:
    IniFile() = default;
    // Accepts CR LF, LF or lone CR line ends.
    static IniFile fromText(const QString& text);

    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);

    // The file's text with CR LF after every line.
    QString toText() const;
    const QStringList& lines() const { return m_lines; }

private:
    // Index of the header line of the first section named so, or -1.
    int findSection(const QString& section) const;
    // Index of the line that follows the section's last line.
    int sectionEnd(int header) const;
    // Index of the key's line inside the section, or -1.
    int findKey(int header, const QString& key) const;

    QStringList m_lines;
};

// The integer of a profile value as Windows' readers take it: optional blanks
// and sign, decimal digits, or hex after "$" or "0x". Anything else: nothing.
std::optional<int> parseIniInteger(const QString& text);

} // namespace vexoria
