// vexoria-cli measure answers with the widths the layout uses, whether the
// front end answers a line from its width table or hands it to the complete
// program, and in the order of the lines.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include "platform/drawing/DiagramFont.h"
#include "platform/text/TextCodec.h"

namespace vexoria::test {
namespace {

QStringList measured(const QByteArray& input)
{
    QProcess p;
    p.start(QStringLiteral(VEXORIA_CLI), {QStringLiteral("measure")});
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// Every line of the example routines and of the test routines, and every
// character of the diagram font's Latin, Greek and Cyrillic letters,
// punctuation and symbols, forty to a line.
QStringList corpus()
{
    QStringList lines;
    for (const char* dir : {VEXORIA_SOURCE_DIR "/examples", VEXORIA_TEST_DATA}) {
        QDirIterator it(QString::fromUtf8(dir), {QStringLiteral("*.pas")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            for (const QString& line : decodeCodeText(f.readAll()).split(u'\n')) {
                QString l = line;
                if (l.endsWith(u'\r')) l.chop(1);
                if (!l.contains(u'\\')) lines << l;
            }
        }
    }
    QString run;
    for (char32_t c : {U'\x20', U'\xA0', U'\x370', U'\x400', U'\x2010', U'\x2100', U'\x2190', U'\x2200'}) {
        for (char32_t k = c; k < c + 0x100; ++k) {
            const QString ch = QString::fromUcs4(&k, 1);
            if (!QChar::isPrint(k) || QChar::category(k) == QChar::Mark_NonSpacing) continue;
            run += ch;
            if (run.size() >= 40) lines << std::exchange(run, QString());
        }
    }
    lines << run;
    return lines;
}

QByteArray asInput(const QStringList& lines) { return (lines.join(u'\n') + u'\n').toUtf8(); }

QStringList expectedWidths(const QStringList& lines)
{
    QStringList widths;
    for (const QString& l : lines) widths << QString::number(diagramTextWidth(l));
    return widths;
}

TEST(MeasureCommand, GivesTheLayoutWidthOfEveryLineOfCode)
{
    const QStringList lines = corpus();
    ASSERT_GT(lines.size(), 300);
    EXPECT_EQ(measured(asInput(lines)), expectedWidths(lines));
}

// A line the table cannot answer (a character from another face, a
// combining mark, a line break written as an escape, bytes that are not
// UTF-8) hands it and every later line on; the answers keep their order.
TEST(MeasureCommand, AnswersLinesBeyondTheTableInOrder)
{
    const QStringList before{QStringLiteral("if a > b then"), QStringLiteral("Цикл"), QString()};
    const QStringList after{QStringLiteral("END SHEMA"), QStringLiteral("x\ty")};
    for (const QString& odd : {QStringLiteral("日本語"), QStringLiteral("e\u0301"), QStringLiteral("a\nb")}) {
        QStringList lines = before + QStringList{odd} + after;
        QByteArray input = asInput(lines);
        input.replace("a\nb", "a\\nb");
        EXPECT_EQ(measured(input), expectedWidths(lines)) << qPrintable(odd);
    }
    const QStringList bad = measured(QByteArray("ab\n\xff\xfe cd\nab\n"));
    EXPECT_EQ(bad, (QStringList{QString::number(diagramTextWidth(QStringLiteral("ab"))),
                                QString::number(diagramTextWidth(QString::fromUtf8("\xff\xfe cd"))),
                                QString::number(diagramTextWidth(QStringLiteral("ab")))}));
}

} // namespace
} // namespace vexoria::test
