#include "tables/BlockKind.h"

#include <array>

namespace vexoria {

namespace {

// The words of the kinds Var..End, in the order of their numbers.
constexpr std::array<QLatin1String, 20> kWords{
    QLatin1String("var"),       QLatin1String("if"),     QLatin1String("while"),   QLatin1String("case"),
    QLatin1String("goto"),      QLatin1String("for"),    QLatin1String("repeat"),  QLatin1String("else"),
    QLatin1String("begin"),     QLatin1String("with"),   QLatin1String("until"),   QLatin1String("procces"),
    QLatin1String("end shema"), QLatin1String("header"), QLatin1String("mylabel"), QLatin1String("break"),
    QLatin1String("exit"),      QLatin1String("try"),    QLatin1String("except"),  QLatin1String("end"),
};

} // namespace

QString kindWord(BlockKind k)
{
    const int i = static_cast<int>(k);
    if (i < static_cast<int>(BlockKind::Var) || i > static_cast<int>(BlockKind::End)) return {};
    return kWords[static_cast<std::size_t>(i - 1)];
}

BlockKind kindFromWord(const QString& word)
{
    if (word.isEmpty()) return BlockKind::None;
    for (std::size_t i = 0; i < kWords.size(); ++i)
        if (word == kWords[i]) return static_cast<BlockKind>(i + 1);
    return BlockKind::Unknown;
}

QString gotoMark(int ordinal) { return QStringLiteral("goto") + QString::number(ordinal); }

} // namespace vexoria
