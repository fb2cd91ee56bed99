// Printing from the window, on a fake printer: the page count question, one
// sheet per page with the break labels drawn first, the twelve-page limit,
// the one-sheet preview, the printer dialog, a PDF where no printer is
// installed, and a diagram left as it was by a print that did not happen.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "app/PrintController.h"
#include "app/SettingsPanel.h"
#include "FakePrintFacility.h"
#include "support/LongRoutine.h"
#include "support/SheetPicture.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

class PrintWindowTest : public WindowTest {
protected:
    test::FakePrintFacility printer;

    // A window with a chart drawn; by default one of three pages whose loop
    // crosses every page break, so a print with labels changes the picture.
    MainWindow& openWithChart(int parts = 8, bool inOneLoop = true)
    {
        MainWindow& f = open();
        ui().printing()->setFacility(&printer);
        ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("20000")); // drawn whole, in one part
        ui().codeEditor()->setPlainText(test::longRoutine(parts, inOneLoop));
        ui().chartButton()->click();
        return f;
    }
    QImage picture() { return ws().diagram.image(); }
};

std::vector<int> pageNumbers(const Report& r)
{
    std::vector<int> out;
    for (const ReportSheet& s : r.sheets) out.push_back(s.pageNumber);
    return out;
}

} // namespace

TEST_F(PrintWindowTest, APagedPrintAsksThePageCountAndPrintsOneSheetPerPageWithItsLabels)
{
    openWithChart();
    ASSERT_EQ((ws().diagram.height() + 1039) / 1040, 3);
    const QImage before = picture();
    prompter.script(Answer::Yes);
    ui().printButton()->click();
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].title, QStringLiteral("Печать"));
    EXPECT_EQ(prompter.questions()[0].text, QStringLiteral("Всего 3 страниц"));
    EXPECT_EQ(prompter.questions()[0].icon, Icon::Question);
    EXPECT_EQ(printer.calls, QStringList({"print"})); // no printer dialog unless asked for
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(pageNumbers(printer.jobs[0]), std::vector<int>({1, 2, 3}));
    EXPECT_EQ(printer.jobs[0].title, QStringLiteral("Блок-Схема procedure longone(n: integer);"));
    // The break labels are on the diagram now, and stay.
    EXPECT_NE(picture(), before);
    EXPECT_FALSE(uiState().animationOn);
    EXPECT_EQ(ui().printing()->report().sheets.size(), 3u);
}

TEST_F(PrintWindowTest, FileMenuPrintDrawsNoLabelsAndThePrinterDialogComesFirstWhenAskedFor)
{
    MainWindow& f = openWithChart();
    ui().settingsPanel()->choosePrinterBox->setChecked(true);
    const QImage before = picture();
    prompter.script(Answer::Yes);
    f.actions().print->trigger();
    EXPECT_EQ(printer.calls, QStringList({"setup", "print"}));
    EXPECT_EQ(picture(), before);
}

TEST_F(PrintWindowTest, APrintThatDoesNotHappenLeavesTheDiagramAsItWas)
{
    openWithChart();
    const QImage before = picture();
    // The sheets are drawn from the chart's drawing: that goes back too.
    const QImage sheetBefore =
        test::sheetPicture(pagedReport(ws().diagram, ws().pageMarkers, ws().reportTitle).sheets[1]);
    prompter.script(Answer::No);
    ui().printButton()->click();
    EXPECT_TRUE(printer.calls.isEmpty());
    EXPECT_EQ(picture(), before);

    printer.fails = true;
    prompter.script(Answer::Yes);
    ui().printButton()->click();
    EXPECT_EQ(prompter.messages(), QStringList({"Печать не удалась. Принтер не принял задание"}));
    EXPECT_EQ(picture(), before);
    EXPECT_TRUE(test::sheetPicture(pagedReport(ws().diagram, ws().pageMarkers, ws().reportTitle).sheets[1]) ==
                sheetBefore);
}

TEST_F(PrintWindowTest, WithoutAPrinterTheSheetsCanBeWrittenToAPdf)
{
    MainWindow& f = openWithChart();
    printer.printer = false;
    printer.pdfAnswer = dir.filePath(QStringLiteral("chart.pdf"));
    prompter.script(Answer::Yes);
    prompter.script(Answer::Yes);
    ui().printButton()->click();
    ASSERT_EQ(prompter.questions().size(), 2u);
    EXPECT_EQ(prompter.questions()[1].text, QStringLiteral("Принтер не установлен. Сохранить страницы в файл PDF?"));
    QFile pdf(printer.pdfAnswer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    // A PDF that cannot be written is said so; the labels go again.
    const QImage before = picture();
    printer.pdfAnswer = dir.filePath(QStringLiteral("missing/chart.pdf"));
    prompter.script(Answer::Yes);
    prompter.script(Answer::Yes);
    f.actions().printChart->trigger();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith(QStringLiteral("Не удалось сохранить PDF: cannot write")));
    EXPECT_EQ(picture(), before);
}

TEST_F(PrintWindowTest, OverTwelvePagesTwelveArePrintedAndThenSaid)
{
    openWithChart(60, false);
    const int pages = (ws().diagram.height() + 1039) / 1040;
    ASSERT_GT(pages, 12);
    prompter.script(Answer::Yes);
    ui().printButton()->click();
    EXPECT_EQ(prompter.questions()[0].text, QStringLiteral("Всего %1 страниц").arg(pages));
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].sheets.size(), 12u);
    EXPECT_EQ(prompter.messages(), QStringList({"Нет печати более 12 страниц"}));
}

TEST_F(PrintWindowTest, OneSheetGoesThroughThePreviewAndClosingItReturnsToTheCode)
{
    MainWindow& f = openWithChart();
    ui().oneSheetButton()->setChecked(true);
    bool onTheCodeTabWhileOpen = true;
    printer.whilePreviewing = [&] { onTheCodeTabWhileOpen = f.currentTab() == WindowTab::Code; };
    ui().printButton()->click();
    EXPECT_TRUE(prompter.questions().empty());
    EXPECT_EQ(printer.calls, QStringList({"preview"}));
    ASSERT_EQ(printer.previewed.sheets.size(), 1u);
    EXPECT_TRUE(printer.previewed.sheets[0].wholeChart);
    ASSERT_TRUE(printer.previewed.sheets[0].chart);
    EXPECT_EQ(printer.previewed.sheets[0].chart->size().height(), ws().diagram.height());
    EXPECT_FALSE(onTheCodeTabWhileOpen);
    EXPECT_EQ(f.currentTab(), WindowTab::Code);
    EXPECT_FALSE(f.windowState() & Qt::WindowMaximized);
}

TEST_F(PrintWindowTest, ThePrintTabBuildsTheChartFirstAndTheButtonNeedsAChart)
{
    MainWindow& f = open();
    ui().printing()->setFacility(&printer);
    ui().printButton()->click();
    EXPECT_EQ(prompter.messages(), QStringList({"Нет Блок-схемы для печати"}));

    ui().codeEditor()->setPlainText(test::longRoutine(2));
    prompter.script(Answer::Yes);
    f.selectTab(WindowTab::Print);
    EXPECT_TRUE(ws().diagram.hasPicture());
    EXPECT_EQ(printer.jobs.size(), 1u);
}

TEST_F(PrintWindowTest, ThePrintTabShowsTheChartOnShowWhileThePageCountIsAsked)
{
    MainWindow& f = openWithChart(2, false);
    ui().settingsPanel()->labelBreaksBox->setChecked(false); // the sheets as the chart is, without break labels
    prompter.script(Answer::Yes);
    f.selectTab(WindowTab::Print);
    ASSERT_EQ(printer.jobs.size(), 1u);

    // Another, longer routine: the tab opens on its sheets, asked about or
    // not, and whether or not it is then printed.
    f.selectTab(WindowTab::Code);
    ui().codeEditor()->setPlainText(
        test::longRoutine(12, true).replace(QStringLiteral("LongOne"), QStringLiteral("Другая")));
    ui().chartButton()->click();
    const Report expected = pagedReport(ws().diagram, ws().pageMarkers, ws().reportTitle, 12);
    prompter.script(Answer::No);
    f.selectTab(WindowTab::Print);
    EXPECT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(ui().printing()->report().title, expected.title);
    ASSERT_GT(expected.sheets.size(), 1u);
    ASSERT_EQ(ui().printing()->report().sheets.size(), expected.sheets.size());
    EXPECT_TRUE(test::sheetPicture(ui().printing()->report().sheets.back()) ==
                test::sheetPicture(expected.sheets.back()));
}

TEST_F(PrintWindowTest, TheRealPreviewShowsOneSheetAndClosingItReturnsToTheCode)
{
    MainWindow& f = open();
    f.show();
    ui().oneSheetButton()->setChecked(true);
    // A chart shorter than the sheet and one of two sheets' length.
    for (const int parts : {2, 8}) {
        f.selectTab(WindowTab::Code);
        ui().codeEditor()->setPlainText(test::longRoutine(parts, true));
        ui().chartButton()->click();
        int pages = -1;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            closer.stop();
            if (auto* view = dialog->findChild<QPrintPreviewWidget*>()) pages = view->pageCount();
            test::screenShot(dialog, QStringLiteral("print-preview-%1").arg(parts));
            dialog->close();
        });
        closer.start(20);
        ui().printButton()->click();
        EXPECT_EQ(pages, 1);
        EXPECT_EQ(f.currentTab(), WindowTab::Code);
    }
}
