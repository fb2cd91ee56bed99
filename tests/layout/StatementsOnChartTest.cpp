// Every statement of a routine reaches the chart: the whole build of a real
// routine is drawn on the recording canvas and its texts are read back.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ChartBuilder.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Pipeline.h"

namespace vexoria::test {
namespace {

struct DrawnText {
    int x = 0;
    int y = 0;
    QString text;
};

QList<DrawnText> drawnTexts(const QStringList& lines)
{
    static const QRegularExpression re(QStringLiteral(R"re(^text (-?\d+),(-?\d+) "(.*)"$)re"));
    QList<DrawnText> texts;
    for (const QString& line : lines) {
        const auto m = re.match(line);
        if (m.hasMatch()) texts.append({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3)});
    }
    return texts;
}

int timesDrawn(const QList<DrawnText>& texts, const QString& statement)
{
    int count = 0;
    for (const DrawnText& t : texts)
        if (t.text.trimmed() == statement) ++count;
    return count;
}

const char kRoutine[] = "function Store(const Name: string): Boolean;\r\n"
                        "begin\r\n"
                        "  try\r\n"
                        "    Open(Name);\r\n"
                        "    Write(Name);\r\n"
                        "    Close(Name);\r\n"
                        "  except\r\n"
                        "    Exit(False);\r\n"
                        "  end;\r\n"
                        "  while Busy do Wait(1);\r\n"
                        "  Result := True;\r\n"
                        "end;\r\n";

TEST(StatementsOnChart, ATryBodyAndAnExitValueAreEachDrawnOnce)
{
    ChartBuilder c;
    c.ws.codeText = QString::fromUtf8(kRoutine);
    classifyCode(c.ws);
    ASSERT_TRUE(drawChart(c.ws));
    const QList<DrawnText> texts = drawnTexts(c.lines());

    // The try's first statement is its head; every other one is a line of a
    // block.
    for (const char* statement : {"open(name);", "write(name);", "close(name);", "wait(1);", "result := true;"})
        EXPECT_EQ(timesDrawn(texts, QString::fromUtf8(statement)), 1) << statement;
    EXPECT_EQ(timesDrawn(texts, QStringLiteral("false);")), 0) << "the exit's value is no statement";

    // The value stands beside the exit block, under its exit line.
    const auto exitRow = c.ws.statements.find([](const StatementRow& r) { return r.kind == "exit"; });
    ASSERT_GE(exitRow, 0);
    const StatementRow& exit = c.ws.statements.at(exitRow);
    EXPECT_EQ(exit.headText.str(), QStringLiteral("(false)"));
    const int exitX = val(exit.x);
    const int exitY = val(exit.y);
    int found = 0;
    for (const DrawnText& t : texts) {
        if (t.text != QLatin1String("(false)")) continue;
        ++found;
        EXPECT_EQ(t.x, exitX + 100 + 10);
        EXPECT_EQ(t.y, exitY + 40 + 3);
    }
    EXPECT_EQ(found, 1);
}

TEST(StatementsOnChart, AnExitCommentMovesBelowItsValue)
{
    ChartBuilder c;
    c.ws.settings.drawComments = true;
    StatementRow& exit = c.placed("exit", 250, 100, 0, 0, QStringLiteral("(-1)"));
    exit.comment = QStringLiteral("no file");
    c.placed("break", 250, 200).comment = QStringLiteral("done");
    c.draw();
    const QList<DrawnText> texts = drawnTexts(c.lines());
    auto at = [&](const QString& text) {
        for (const DrawnText& t : texts)
            if (t.text == text) return QPoint(t.x, t.y);
        return QPoint(-1, -1);
    };
    EXPECT_EQ(at(QStringLiteral("(-1)")), QPoint(250 + 110, 100 + 43));
    EXPECT_EQ(at(QStringLiteral("no file")), QPoint(250 + 110, 100 + 58));
    // Without a value the comment keeps its place beside the block.
    EXPECT_EQ(at(QStringLiteral("done")), QPoint(250 + 110, 200 + 15));
}

} // namespace
} // namespace vexoria::test
