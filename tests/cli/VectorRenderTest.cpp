// render -o OUT.svg | OUT.pdf: the chart as a vector picture, with no length
// cap, part after part for a chart built in parts.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "support/CliRun.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The SVG's texts, or nothing when it does not parse.
QStringList svgTexts(const QByteArray& svg)
{
    QStringList texts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
    if (xml.hasError()) return {};
    return texts;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text)
{
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return f.fileName();
}

// A routine about 10,000 statement lines long: a chart of some 445,000
// pixels, far over what one picture may hold.
QByteArray hugeRoutine()
{
    QByteArray code = "procedure Long(var a: array of Integer; n: Integer);\nvar\n  i, s: Integer;\nbegin\n";
    for (int k = 0; k < 3140; ++k) {
        const QByteArray n = QByteArray::number(k);
        switch (k % 4) {
        case 0: code += "  if a[" + n + "] > s then\n  begin\n    s := a[" + n + "];\n  end;\n"; break;
        case 1: code += "  for i := 0 to " + n + " do\n  begin\n    s := s + a[i];\n  end;\n"; break;
        case 2: code += "  while s > " + n + " do\n  begin\n    s := s div 2;\n  end;\n"; break;
        default: code += "  case s of\n    " + n + ": s := 0;\n  end;\n"; break;
        }
    }
    return code + "end;\n";
}

TEST(VectorRender, AChartTooLongForAPictureIsOneSvgOrPdf)
{
    QTemporaryDir dir;
    const QString code = writeFile(dir, QStringLiteral("long.pas"), hugeRoutine());
    const QString ini = writeFile(dir, QStringLiteral("shema.ini"), "[myform]\r\nedlin=1000000\r\n");

    CliRun r = runCli({QStringLiteral("render"), code, QStringLiteral("--ini"), ini, QStringLiteral("-o"),
                       dir.filePath(QStringLiteral("long.jpg"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral(".svg"))) << qPrintable(r.err);
    EXPECT_TRUE(r.err.contains(QStringLiteral(".png"))) << qPrintable(r.err);

    r = runCli({QStringLiteral("render"), code, QStringLiteral("--ini"), ini, QStringLiteral("-o"),
                dir.filePath(QStringLiteral("long.svg"))});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QByteArray svg = readAll(dir.filePath(QStringLiteral("long.svg")));
    const QStringList texts = svgTexts(svg);
    EXPECT_TRUE(texts.contains(QStringLiteral("s := a[3136];"))) << texts.size();
    EXPECT_TRUE(texts.contains(QStringLiteral("END SHEMA")));

    r = runCli({QStringLiteral("render"), code, QStringLiteral("--ini"), ini, QStringLiteral("-o"),
                dir.filePath(QStringLiteral("long.pdf"))});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_TRUE(readAll(dir.filePath(QStringLiteral("long.pdf"))).contains("/MediaBox [0 0 "));
}

TEST(VectorRender, AChartInPartsIsOneSvgPerPart)
{
    QTemporaryDir dir;
    const QString ini = writeFile(dir, QStringLiteral("shema.ini"), "[myform]\r\nedlin=600\r\n");
    const CliRun r = runCli({QStringLiteral("render"), QStringLiteral(VEXORIA_SOURCE_DIR "/examples/read_numbers.pas"),
                             QStringLiteral("--ini"), ini, QStringLiteral("--answer"), QStringLiteral("yes"),
                             QStringLiteral("-o"), dir.filePath(QStringLiteral("chart.svg"))});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList first = svgTexts(readAll(dir.filePath(QStringLiteral("chart-1.svg"))));
    const QStringList second = svgTexts(readAll(dir.filePath(QStringLiteral("chart-2.svg"))));
    EXPECT_TRUE(first.contains(QStringLiteral("PAT I"))) << qPrintable(first.join(u'|'));
    EXPECT_FALSE(second.contains(QStringLiteral("PAT I")));
    EXPECT_TRUE(second.contains(QStringLiteral("END SHEMA")));
}

} // namespace
} // namespace vexoria::test
