#include "cli/quick/QuickMeasure.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/quick/FullProgram.h"

namespace vexoria::cli {

namespace {

struct CharWidth {
    char32_t code;
    int width;
};

constexpr CharWidth kWidths[] = {
#include "DiagramWidthTable.inc"
};

std::optional<int> widthOf(char32_t c)
{
    const auto it = std::lower_bound(std::begin(kWidths), std::end(kWidths), c,
                                     [](const CharWidth& e, char32_t v) { return e.code < v; });
    if (it == std::end(kWidths) || it->code != c) return std::nullopt;
    return it->width;
}

// Strict UTF-8: an overlong form, a surrogate or a cut sequence is refused
// (the complete program then measures what its decoder makes of it).
bool decodeUtf8(std::string_view bytes, std::vector<char32_t>& out)
{
    for (size_t i = 0; i < bytes.size();) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (b0 < 0x80) {
            c = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            extra = 1, c = b0 & 0x1F, least = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2, c = b0 & 0x0F, least = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3, c = b0 & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(extra) >= bytes.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
            if ((b & 0xC0) != 0x80) return false;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        out.push_back(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

// The escapes of the dump formats: \\, \t, \r, \n; a backslash before any
// other character, or at the end, stands for itself.
char32_t escaped(char32_t c)
{
    switch (c) {
    case U'\\': return U'\\';
    case U't': return U'\t';
    case U'r': return U'\r';
    case U'n': return U'\n';
    default: return 0;
    }
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Writes the widths measured so far; false, after one line on standard
// error, when standard output refuses them.
bool writeAnswers(std::string_view answers)
{
    if (writeAll(STDOUT_FILENO, answers)) return true;
    std::fprintf(stderr, "vexoria-cli: cannot write standard output: %s\n", std::strerror(errno));
    return false;
}

// Reads standard input; 0 at its end, -1 (after one line on standard error)
// when it cannot be read.
ssize_t readInput(char* buffer, size_t size)
{
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, size);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        std::fprintf(stderr, "vexoria-cli: cannot read standard input: %s\n", std::strerror(errno));
        return -1;
    }
}

// The complete program measures `rest` and whatever input is still to come.
int handOver(std::string_view rest, bool inputEnded)
{
    Child child;
    if (!startFullProgram("measure", child)) return 1;
    bool open = writeAll(child.input, rest);
    char buffer[1 << 16];
    while (open && !inputEnded) {
        const ssize_t n = readInput(buffer, sizeof buffer);
        if (n <= 0) break;
        open = writeAll(child.input, std::string_view(buffer, static_cast<size_t>(n)));
    }
    return waitFullProgram(child);
}

} // namespace

std::optional<int> quickWidth(std::string_view line)
{
    std::vector<char32_t> chars;
    if (!decodeUtf8(line, chars)) return std::nullopt;
    int width = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i];
        if (c == U'\\' && i + 1 < chars.size() && escaped(chars[i + 1]) != 0) c = escaped(chars[++i]);
        // The chart's canvas has no tab stops: a tab is one blank wide.
        if (c == U'\t') c = U' ';
        const auto w = widthOf(c);
        if (!w) return std::nullopt;
        width += *w;
    }
    return width;
}

int quickMeasure()
{
    std::string pending;
    std::string answers;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = readInput(buffer, sizeof buffer);
        if (n < 0) return 1;
        const bool ended = n == 0;
        pending.append(buffer, static_cast<size_t>(n));
        size_t start = 0;
        while (start < pending.size()) {
            size_t end = pending.find('\n', start);
            if (end == std::string::npos) {
                if (!ended) break;
                end = pending.size(); // a last line without a line break
            }
            std::string_view line(pending.data() + start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            const auto width = quickWidth(line);
            if (!width) {
                if (!writeAnswers(answers)) return 1;
                return handOver(std::string_view(pending).substr(start), ended);
            }
            answers += std::to_string(*width);
            answers += '\n';
            start = end + 1;
        }
        pending.erase(0, std::min(start, pending.size()));
        if (!writeAnswers(answers)) return 1;
        answers.clear();
        if (ended) return 0;
    }
}

} // namespace vexoria::cli
