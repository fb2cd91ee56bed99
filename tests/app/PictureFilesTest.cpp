// The diagram's picture files from the window: each format written and read
// back by a real reader, names that get their extension once, the start
// folders, and damaged files that leave the chart alone.
#include <QImageReader>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/PictureFiles.h"
#include "platform/pictures/JpegReader.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QImage readBack(const QString& path) { return QImageReader(path).read(); }

} // namespace

TEST_F(WindowTest, TheChartIsSavedInEachFormatAndOpensAgain)
{
    MainWindow& f = open();
    QStringList popup;
    for (QAction* a : ui().diagramMenu()->actions()) popup << a->text();
    const qsizetype load = popup.indexOf(QStringLiteral("Загрузить"));
    ASSERT_GE(load, 0) << qPrintable(popup.join(u' '));
    EXPECT_EQ(popup.value(load + 1), QStringLiteral("Сохранить"));

    ui().codeEditor()->setPlainText(QStringLiteral("begin\n  if a > b then\n    x := 1;\nend;"));
    ui().chartButton()->click();
    const QImage chart = ws().diagram.image();
    ASSERT_FALSE(chart.isNull());
    clipboard.content = QStringLiteral("what the user copied");

    dialogs.choose(dir.filePath("chart"), 1);
    f.actions().savePicture->trigger();
    dialogs.choose(dir.filePath("again.bmp"), 1);
    ui().pictureFiles()->savePictureMenuAction->trigger();
    EXPECT_TRUE(ws().settings.pictureSaveFolder.isEmpty()); // only a JPEG save moves the folder
    dialogs.choose(dir.filePath("chart"), 2);
    f.actions().savePicture->trigger();
    EXPECT_EQ(ws().settings.pictureSaveFolder, dir.path());
    dialogs.choose(dir.filePath("chart"), 3);
    f.actions().savePicture->trigger();

    EXPECT_EQ(readBack(dir.filePath("chart.bmp")).convertToFormat(QImage::Format_RGB32), chart);
    EXPECT_TRUE(QFile::exists(dir.filePath("again.bmp")));
    EXPECT_FALSE(QFile::exists(dir.filePath("again.bmp.bmp")));
    EXPECT_EQ(readBack(dir.filePath("chart.png")).convertToFormat(QImage::Format_RGB32), chart);
    const QImage jpeg = decodeJpeg(readFile(dir.filePath("chart.jpg")));
    EXPECT_EQ(jpeg.size(), chart.size());
    EXPECT_EQ(clipboard.content, QStringLiteral("what the user copied"));

    // Opened again: shown on the diagram tab at its own size.
    for (const auto& [name, filter] :
         {std::pair{"chart.bmp", 1}, std::pair{"chart.png", 3}, std::pair{"chart.jpg", 2}}) {
        ws().diagram.removePicture();
        dialogs.choose(dir.filePath(QLatin1String(name)), filter);
        f.actions().openPicture->trigger();
        ASSERT_TRUE(ws().diagram.hasPicture()) << name;
        EXPECT_EQ(ws().diagram.image().size(), chart.size()) << name;
        EXPECT_EQ(f.currentTab(), WindowTab::Diagram);
    }
    EXPECT_EQ(ws().settings.pictureOpenFolder, dir.path());
    EXPECT_TRUE(prompter.messages().isEmpty()) << qPrintable(prompter.messages().join(u'\n'));
}

TEST_F(WindowTest, ADamagedPictureOrACancelledDialogLeavesTheChartAsItWas)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\n  x := 1;\nend;"));
    ui().chartButton()->click();
    const QImage chart = ws().diagram.image();
    dialogs.choose(dir.filePath("good.jpg"), 2);
    f.actions().savePicture->trigger();
    const QByteArray good = readFile(dir.filePath("good.jpg"));

    dialogs.choose(writeFile("cut.jpg", good.left(good.size() / 2)), 2);
    f.actions().openPicture->trigger();
    dialogs.choose(writeFile("fake.bmp", "BM not really a bitmap"), 1);
    f.actions().openPicture->trigger();
    dialogs.cancel();
    ui().pictureFiles()->openPictureMenuAction->trigger();

    EXPECT_EQ(ws().diagram.image(), chart);
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("cut.jpg")));
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("повреждён")));
    EXPECT_TRUE(prompter.messages()[1].contains(QStringLiteral("fake.bmp")));
}

TEST_F(WindowTest, AnOpenedPictureOfAnotherWidthDoesNotNarrowTheNextChart)
{
    MainWindow& f = open();
    QImage small(300, 120, QImage::Format_RGB32);
    small.fill(Qt::yellow);
    ASSERT_TRUE(small.save(dir.filePath("small.png")));
    uiState().animationOn = true;
    dialogs.choose(dir.filePath("small.png"), 3);
    f.actions().openPicture->trigger();
    EXPECT_EQ(ws().diagram.image().size(), QSize(300, 120));
    EXPECT_FALSE(uiState().animationOn); // no arrows run over a picture that has no connections

    ui().codeEditor()->setPlainText(QStringLiteral("begin\n  x := 1;\nend;"));
    ui().chartButton()->click();
    EXPECT_EQ(ws().diagram.image().width(), 700);

    ws().diagram.removePicture();
    f.actions().savePicture->trigger(); // nothing to save: no dialog
    EXPECT_EQ(prompter.messages().size(), 1);
}

TEST_F(WindowTest, TheChartIsSavedAsSvgOrPdfButAnOpenedPictureIsNot)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\n  if a > b then\n    x := 1;\nend;"));
    ui().chartButton()->click();
    ASSERT_TRUE(ws().diagram.hasPicture());
    ASSERT_FALSE(ws().connections.isEmpty());

    dialogs.choose(dir.filePath("chart"), 4);
    f.actions().savePicture->trigger();
    dialogs.choose(dir.filePath("chart.pdf"), 5);
    ui().pictureFiles()->savePictureMenuAction->trigger();
    const QByteArray svg = readFile(dir.filePath("chart.svg"));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).constData();
    EXPECT_TRUE(svg.contains("a &gt; b") || svg.contains("a > b"));
    EXPECT_TRUE(readFile(dir.filePath("chart.pdf")).startsWith("%PDF"));
    EXPECT_FALSE(QFile::exists(dir.filePath("chart.pdf.pdf")));
    EXPECT_TRUE(prompter.messages().isEmpty()) << qPrintable(prompter.messages().join(u'\n'));

    // A picture read from a file has no drawing to save as a vector chart,
    // and the last build's connections are not its own.
    dialogs.choose(dir.filePath("chart.png"), 3);
    f.actions().savePicture->trigger();
    dialogs.choose(dir.filePath("chart.png"), 3);
    f.actions().openPicture->trigger();
    EXPECT_EQ(ws().pictureConnectionsFrom, ws().connections.size());
    dialogs.choose(dir.filePath("again.svg"), 4);
    f.actions().savePicture->trigger();
    EXPECT_FALSE(QFile::exists(dir.filePath("again.svg")));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("again.svg")));
}
