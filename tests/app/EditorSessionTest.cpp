// The editor's code between runs: what was typed, pasted or opened is in the
// editor again at the next start, however the window was closed, and a
// session that cannot be kept is said once without holding the window.
#include <sys/stat.h>

#include <QDir>
#include <QKeySequence>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTest>

#include "app/EditorFiles.h"
#include "app/EditorSession.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QString sessionFile(const QTemporaryDir& dir) { return editorSessionPath(dir.path()); }

} // namespace

TEST_F(WindowTest, TypedCodeIsInTheEditorAgainAfterEveryWayOfClosing)
{
    const QString code = QStringLiteral("procedure Сумма;\nbegin\n  x := 'Да';\n\n");
    enum class How { Cross, ExitButton, MenuExit, CtrlQ };
    for (const How how : {How::Cross, How::ExitButton, How::MenuExit, How::CtrlQ}) {
        SCOPED_TRACE(static_cast<int>(how));
        MainWindow& f = open();
        f.show();
        ui().codeEditor()->setPlainText(code + QString::number(static_cast<int>(how)));
        switch (how) {
        case How::Cross: f.close(); break;
        case How::ExitButton: ui().exitButton()->click(); break;
        case How::MenuExit: f.actions().exit->trigger(); break;
        case How::CtrlQ:
            f.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
            QTest::keySequence(&f, QKeySequence(Qt::CTRL | Qt::Key_Q));
            break;
        }
        EXPECT_FALSE(f.isVisible());

        open();
        EXPECT_EQ(ui().codeEditor()->toPlainText(), code + QString::number(static_cast<int>(how)));
        // The kept code is where the window starts, not an edit to undo.
        EXPECT_FALSE(ui().codeEditor()->document()->isUndoAvailable());
        form.reset();
    }
    EXPECT_TRUE(prompter.messages().isEmpty()) << qPrintable(prompter.messages().join(u'\n'));
}

TEST_F(WindowTest, TheFileTheCodeCameFromAndItsEncodingAreKeptWithIt)
{
    // "x := 'Да';" in Windows-1251: saved again after the restart, the file
    // is written in the encoding it was read in.
    const QByteArray bytes = "begin\r\n  x := '\xC4\xE0';\r\nend;\r\n";
    const QString path = writeFile(QStringLiteral("код.txt"), bytes);
    {
        MainWindow& f = open();
        dialogs.choose(path);
        f.actions().openText->trigger();
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Vexoria V 2.2 — код.txt"));
        f.close();
    }
    MainWindow& f = open();
    EXPECT_EQ(ui().editorFiles()->sourcePath(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Vexoria V 2.2 — код.txt"));
    dialogs.choose(dir.filePath(QStringLiteral("again.txt")));
    f.actions().saveText->trigger();
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("again.txt"))), bytes);

    // Cleared, the editor starts empty next time, with no file named.
    ui().editorFiles()->clearText();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Vexoria V 2.2"));
    f.close();
    open();
    EXPECT_TRUE(ui().codeEditor()->toPlainText().isEmpty());
    EXPECT_TRUE(ui().editorFiles()->sourcePath().isEmpty());
}

TEST_F(WindowTest, CodeThatCannotBeKeptIsSaidOnceAndTheSecondCloseCloses)
{
    // A folder where the kept code goes stands for a folder that cannot be
    // written: as root, permissions would not stop the write.
    ASSERT_TRUE(QDir().mkpath(sessionFile(dir)));
    MainWindow& f = open();
    f.show();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nend;"));
    ui().exitButton()->click();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("Сохраните его в файл")));
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(ws().statements.isOpen()); // the window that stays keeps its tables
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("begin\nend;"));

    ui().exitButton()->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(readIni().contains("[myform]")); // the settings were still written
}

TEST_F(WindowTest, AReadOnlyConfigurationFolderIsSaidAtClose)
{
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    MainWindow& f = open();
    f.show();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nend;"));
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    f.close();
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(f.isVisible());
    f.close(); // the settings cannot be written either: said, and the window goes
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(prompter.messages().size(), 2);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(WindowTest, AKeptSessionThatIsNotOursOrNotAFileIsLeftAlone)
{
    // Another program's file of that name, and a FIFO, which would hold the
    // start forever if it were opened.
    writeFile(QStringLiteral("editor-code.txt"), "some other text\n");
    open();
    EXPECT_TRUE(ui().codeEditor()->toPlainText().isEmpty());
    form.reset();

    QFile::remove(sessionFile(dir));
    ASSERT_EQ(mkfifo(QFile::encodeName(sessionFile(dir)).constData(), 0644), 0);
    MainWindow& f = open();
    EXPECT_TRUE(ui().codeEditor()->toPlainText().isEmpty());
    f.show();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\nend;"));
    f.close(); // said, not written into the FIFO
    EXPECT_EQ(prompter.messages().size(), 1);
    f.close();
    EXPECT_FALSE(f.isVisible());
}
