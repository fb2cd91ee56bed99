// Charts built in parts: the search for the places to cut a chart that is too
// long and the shift that moves each later part to the top of the image.
//
// A chart is cut only after the closing row of a construct that no other open
// construct encloses, and never inside a case statement; the cut is sought
// near an equal share of the statement rows (counted by nom).
#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <optional>
#include <vector>

#include "tables/StatementTable.h"
#include "layout/ChartParts.h"
#include "layout/CutFit.h"
#include "platform/text/ConversionError.h"

namespace vexoria {

namespace {

bool isCandidate(const StatementRow& r) { return r.isClosing() && !val(r.opensBlock) && val(r.link) != 0; }

int findDrawOrder(const StatementTable& t, int drawOrder)
{
    return t.find([drawOrder](const StatementRow& r) { return r.drawOrder && *r.drawOrder == drawOrder; });
}

// From the row at index `from` (itself included), the first row whose y is
// not 0; the last row when there is none.
int firstPlacedFrom(const StatementTable& t, int from)
{
    for (int i = std::max(from, 0); i < t.size(); ++i)
        if (val(t.at(i).y) != 0) return i;
    return t.size() - 1;
}

void showMessage(Prompter* prompter, const QString& text)
{
    if (prompter) prompter->message(text);
}

int chartLength(const StatementTable& t)
{
    int length = 0;
    for (const StatementRow& r : t.rows()) length = std::max(length, val(r.y));
    return length;
}

// The cuts the search chose, kept when every part fits in a picture; when
// one would not, cuts at an equal share of the length among all outermost
// constructs; nothing when no cuts give parts that fit.
std::optional<std::vector<int>> cutsThatFit(const StatementTable& t, std::vector<int> chosen, int lastClose,
                                            int tallest)
{
    const int length = chartLength(t);
    std::vector<int> ys;
    for (int drawOrder : chosen) ys.push_back(cutY(t, drawOrder));
    if (std::is_sorted(ys.begin(), ys.end()) && partsFit(ys, length, tallest)) return chosen;
    std::vector<CutPlace> places = outermostCuts(t);
    std::erase_if(places, [lastClose](const CutPlace& p) { return p.drawOrder >= lastClose; });
    return fittingCuts(places, static_cast<int>(chosen.size()) + 1, length, tallest);
}

} // namespace

CutCandidates collectCutCandidates(const StatementTable& t, int firstBound, int share)
{
    CutCandidates c{};
    std::array<int, kCutSlots + 1> bound{};
    bound[0] = firstBound;
    const int count = t.size();
    const int start = t.find([](const StatementRow& r) { return r.kindIndex && *r.kindIndex == 0; });
    for (int k = 0; k < kCutSlots; ++k) {
        int i;
        if (k == 0) {
            i = start < 0 ? 0 : start;
        } else {
            // After an empty slot every later slot stays empty.
            if (c[static_cast<std::size_t>(k - 1)] == 0) break;
            const int at = findDrawOrder(t, c[static_cast<std::size_t>(k - 1)]);
            if (at < 0) break;
            i = at + 1;
        }
        for (; i < count; ++i) {
            if (t.at(i).isCasePart()) {
                // A case statement is passed over whole: on to its closing row.
                while (i < count - 1 && t.at(i).closedBlockKind() != BlockKind::Case) ++i;
            }
            const StatementRow& r = t.at(i);
            if (isCandidate(r) && val(r.link) < bound[static_cast<std::size_t>(k)]) {
                c[static_cast<std::size_t>(k)] = val(r.drawOrder);
                bound[static_cast<std::size_t>(k)] = val(r.link);
                bound[static_cast<std::size_t>(k + 1)] = 2 * share;
            }
        }
    }
    return c;
}

int chooseCut(const CutCandidates& c, int share)
{
    // The tolerance widens from 10 until a candidate lies within it. Below a
    // share of 10 it has no upper end; it then ends at the latest when it
    // reaches the first candidate, and with no candidate at all there is no
    // cut. A share of exactly 10 leaves the loop without a turn: no cut.
    if (c[0] == 0) return 0;
    const long long last = share < 10 ? 10LL + std::llabs(static_cast<long long>(c[0]) - share) + 1 : share - 1LL;
    for (long long i = 10; i <= last; ++i) {
        for (int k = 0; k < kCutSlots && c[static_cast<std::size_t>(k)] != 0; ++k) {
            const long long cand = c[static_cast<std::size_t>(k)];
            if (share - i < cand && cand < share + i) return static_cast<int>(cand);
        }
    }
    return 0;
}

PartCuts splitIntoParts(StatementTable& t, int extraParts, const QString& maxChartLength, int tallestPart,
                        Prompter* prompter)
{
    PartCuts cuts;
    const QString noCut = QStringLiteral("Не возможно разделить Блок-схему\rЕдиный процесс");
    auto refuse = [&] {
        showMessage(prompter, noCut);
        return cuts;
    };
    if (t.isEmpty()) return refuse();

    t.sortBy([](const StatementRow& r) { return r.kindIndex; });
    const int lastIndex = t.size() - 1;
    const int firstBound = val(t.at(lastIndex).drawOrder);
    int closeIndex = lastIndex;
    while (closeIndex >= 0 && val(t.at(closeIndex).link) == 0) --closeIndex;
    if (closeIndex < 0) return refuse();
    const int lastClose = val(t.at(closeIndex).drawOrder);
    const int share = lastClose / (extraParts + 1);

    const CutCandidates cands = collectCutCandidates(t, firstBound, share);
    const int first = chooseCut(cands, share);
    if (first == 0) return refuse();
    cuts.firstCut = first;
    if (cuts.firstCut == lastClose) return refuse();
    // With no second cut the chart cannot be built in three parts; that is
    // refused below, once part 1 is placed.
    const int chosenSecond = extraParts > 1 ? chooseCut(cands, 2 * share) : 0;
    int second = chosenSecond;
    if (extraParts <= 1 || chosenSecond != 0) {
        std::vector<int> chosen{first};
        if (extraParts > 1) chosen.push_back(chosenSecond);
        const std::optional<std::vector<int>> fit = cutsThatFit(t, chosen, lastClose, tallestPart);
        if (!fit) return refuse();
        cuts.firstCut = fit->front();
        if (extraParts > 1) second = fit->back();
    }

    const int maxLength = toInt(maxChartLength);
    auto shiftAfterCut = [&](int cut, int part) {
        const int placed = firstPlacedFrom(t, findDrawOrder(t, cut));
        const int length = val(t.at(placed).y);
        if (length > maxLength)
            showMessage(prompter,
                        QStringLiteral("Предупреждение ! Выделенный %1 процесс \rпревышает установленную МАХ длинну")
                            .arg(part));
        // The first block after the cut keeps its y: the drawing pass moves
        // it to the top when it draws the next part.
        for (int i = placed + 1; i < t.size(); ++i) {
            StatementRow& r = t.at(i);
            if (val(r.y) != 0) r.y = val(r.y) - length;
        }
    };
    shiftAfterCut(cuts.firstCut, 1);

    if (extraParts > 1) {
        // No second cut: the chart cannot be built in three parts.
        if (second == 0) return refuse();
        cuts.secondCut = second;
        shiftAfterCut(cuts.secondCut, 2);
    }
    cuts.made = true;
    return cuts;
}

} // namespace vexoria
