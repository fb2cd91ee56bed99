// The editor's text files and popup menu: encodings kept, names that get
// ".txt" once, files that cannot be read, the flags each command sets, and
// files dropped on the window.
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QUrl>

#include "app/EditorFiles.h"
#include "app/FileDrop.h"
#include "app/RoutineQueuePanel.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QStringList captions(const QMenu* m)
{
    QStringList out;
    for (QAction* a : m->actions()) out << a->text();
    return out;
}

const QByteArray kUnit = "unit Shapes;\r\ninterface\r\nprocedure Draw;\r\nimplementation\r\n"
                         "procedure Draw;\r\nbegin\r\n  x := 1;\r\nend;\r\nend.\r\n";

} // namespace

TEST_F(WindowTest, ACp1251TextFileIsShownInRussianAndSavedBackByteForByte)
{
    MainWindow& f = open();
    EXPECT_EQ(captions(ui().editorFiles()->editorMenu), QStringList({"Сохранить", "Копировать", "Очистить", "Вставить",
                                                                     "Остановить (*.pas)", "Продолжить (*.pas)"}));
    // "{ Сумма }" and "x := 'Да';" in Windows-1251, CR LF after every line.
    const QByteArray bytes = "{ \xD1\xF3\xEC\xEC\xE0 }\r\nbegin\r\n  x := '\xC4\xE0';\r\nend;\r\n";
    const QString in = writeFile("code.txt", bytes);
    dialogs.choose(in);
    f.actions().openText->trigger();
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("{ Сумма }\nbegin\n  x := 'Да';\nend;"));
    EXPECT_EQ(dialogs.asked()[0].folder, QDir::homePath()); // no folder kept yet: the home folder
    EXPECT_EQ(ws().settings.textOpenFolder, dir.path());

    // "code" gets its ".txt"; "again.txt" keeps its name.
    dialogs.choose(dir.filePath("saved"));
    f.actions().saveText->trigger();
    EXPECT_EQ(readFile(dir.filePath("saved.txt")), bytes);
    dialogs.choose(dir.filePath("again.TXT"));
    ui().editorFiles()->editorSaveAction->trigger();
    EXPECT_EQ(readFile(dir.filePath("again.TXT")), bytes);
    EXPECT_FALSE(QFile::exists(dir.filePath("again.TXT.txt")));
    EXPECT_EQ(ws().settings.textSaveFolder, dir.path());
    EXPECT_EQ(dialogs.asked()[2].folder, dir.path());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, NewTextIsSavedAsUtf8AndCp1251TextThatCannotHoldItToo)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("writeln('Привет');\n"));
    dialogs.choose(dir.filePath("new.txt"));
    f.actions().saveText->trigger();
    EXPECT_EQ(readFile(dir.filePath("new.txt")), QStringLiteral("writeln('Привет');\r\n").toUtf8());

    dialogs.choose(writeFile("old.txt", "{ \xC4\xE0 }\r\n"));
    f.actions().openText->trigger();
    ui().codeEditor()->appendPlainText(QStringLiteral("writeln('→');"));
    dialogs.choose(dir.filePath("old.txt"));
    f.actions().saveText->trigger();
    EXPECT_EQ(readFile(dir.filePath("old.txt")), QStringLiteral("{ Да }\r\nwriteln('→');\r\n").toUtf8());
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("UTF-8")));
}

TEST_F(WindowTest, AFileThatCannotBeReadOrWrittenLeavesEverythingAsItWas)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(QStringLiteral("x := 1;"));
    dialogs.choose(dir.filePath("missing.txt"));
    f.actions().openText->trigger();
    dialogs.choose(writeFile("picture.txt", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
    f.actions().openText->trigger();
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("x := 1;"));
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(prompter.messages()[0].contains(QStringLiteral("missing.txt")));
    EXPECT_TRUE(prompter.messages()[1].contains(QStringLiteral("не текстовый")));

    // A folder where the file should go is no place to write it.
    QDir(dir.path()).mkdir(QStringLiteral("taken.txt"));
    dialogs.choose(dir.filePath("taken.txt"));
    f.actions().saveText->trigger();
    ASSERT_EQ(prompter.messages().size(), 3);
    EXPECT_TRUE(prompter.messages()[2].contains(QStringLiteral("не сохранён")));
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.txt")).isDir());
}

TEST_F(WindowTest, OpeningATextFileLeavesTheQueueEvenWhenCancelled)
{
    MainWindow& f = open();
    dialogs.choose(writeFile("shapes.pas", kUnit));
    f.actions().openUnit->trigger();
    ASSERT_FALSE(ui().routineList()->isHidden());
    ASSERT_TRUE(queue().fetchBeforeBuild);
    ui().codeEditor()->setPlainText(QStringLiteral("x := 1;"));

    dialogs.cancel();
    f.actions().openText->trigger();
    EXPECT_FALSE(queue().fetchBeforeBuild);
    EXPECT_TRUE(queue().editorHoldsOwnCode);
    EXPECT_TRUE(ui().routineList()->isHidden());
    EXPECT_TRUE(ui().routinePanel()->isHidden());
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("x := 1;"));
}

TEST_F(WindowTest, PopupCopiesPastesAndClearsWithTheFlagsEachSets)
{
    open();
    ui().codeEditor()->setPlainText(QStringLiteral("a := 1;\nb := 2;"));
    ui().codeEditor()->selectAll();
    clipboard.content = QStringLiteral("что было");
    ui().editorFiles()->editorCopyAction->trigger();
    EXPECT_EQ(clipboard.content, QStringLiteral("a := 1;\nb := 2;"));

    queue().fetchBeforeBuild = true;
    queue().editorHoldsOwnCode = false;
    clipboard.content = QStringLiteral("x := 3;\r\ny := 4;\r\n");
    ui().editorFiles()->editorPasteAction->trigger();
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("x := 3;\ny := 4;\n"));
    EXPECT_FALSE(queue().fetchBeforeBuild);
    EXPECT_TRUE(queue().editorHoldsOwnCode);

    clipboard.content.clear();
    ui().editorFiles()->editorPasteAction->trigger();
    EXPECT_TRUE(ui().codeEditor()->toPlainText().isEmpty());

    // "Очистить" changes no flag, and Undo brings the text back.
    ui().codeEditor()->setPlainText(QStringLiteral("z := 5;"));
    queue().fetchBeforeBuild = true;
    ui().editorFiles()->editorClearAction->trigger();
    EXPECT_TRUE(ui().codeEditor()->toPlainText().isEmpty());
    EXPECT_TRUE(queue().fetchBeforeBuild);
    ui().codeEditor()->undo();
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("z := 5;"));
}

TEST_F(WindowTest, FilesDroppedOnTheEditorOpenAsAUnitOrAsText)
{
    MainWindow& f = open();
    f.show();
    ui().codeEditor()->setPlainText(QStringLiteral("keep me"));
    auto drop = [this](const QString& path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent e(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        // A drop follows an accepted drag enter, as a real drag goes.
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(ui().codeEditor()->viewport(), &enter);
        if (!enter.isAccepted()) return false;
        QCoreApplication::sendEvent(ui().codeEditor()->viewport(), &e);
        return e.isAccepted();
    };

    EXPECT_TRUE(drop(writeFile("shapes.pas", kUnit)));
    EXPECT_EQ(ui().routineList()->count(), 1);
    EXPECT_FALSE(ui().routineList()->isHidden());
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("keep me")); // the text was not the file's name

    EXPECT_TRUE(drop(writeFile("notes.inc", "begin\r\n  y := 2;\r\nend;\r\n")));
    EXPECT_EQ(ui().codeEditor()->toPlainText(), QStringLiteral("begin\n  y := 2;\nend;"));
    EXPECT_TRUE(ui().routineList()->isHidden());
    EXPECT_TRUE(queue().editorHoldsOwnCode);
    EXPECT_FALSE(queue().fetchBeforeBuild);
}
