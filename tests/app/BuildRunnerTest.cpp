// A build runs off the window's thread: its questions still reach the user
// on the window's thread, the progress dialog names the stage, and a build
// stopped with Cancel or Escape leaves the chart and the tables as they were.
#include <functional>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "tables/StatementTableDump.h"
#include "app/SettingsPanel.h"
#include "tables/ConnectionTableDump.h"
#include "platform/widgets/MessageBoxPrompter.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

// Answers the length question with what `onQuestion` returns, after it has
// done what the user does meanwhile.
class CallbackPrompter : public Prompter {
public:
    std::function<Answer()> onQuestion;
    int questions = 0;
    bool askedOnWindowThread = true;
    QStringList messages;

    void message(const QString& text) override { messages << text; }
    Answer question(const QString&, const QString&, Buttons, Icon) override
    {
        ++questions;
        askedOnWindowThread = askedOnWindowThread && QThread::currentThread() == qApp->thread();
        return onQuestion ? onQuestion() : Answer::No;
    }
};

QString longRoutine(int statements)
{
    QString code = QStringLiteral("procedure Long;\nbegin\n");
    for (int i = 0; i < statements; ++i)
        code += QStringLiteral("  if a%1 > b then\n    x := %1\n  else\n    y := %1;\n").arg(i);
    return code + QStringLiteral("end;\n");
}

struct Snapshot {
    QImage picture;
    QString rows;
    QString connections;
    QString code;
};

Snapshot snapshot(Workspace& ws)
{
    return {ws.diagram.image(), dumpStatementTable(ws.statements), dumpConnectionTable(ws.connections), ws.codeText};
}

} // namespace

TEST_F(WindowTest, ABuildStoppedWithCancelOrEscapeLeavesTheChartAndTablesAsTheyWere)
{
    enum class Stop { CancelButton, EscapeInDialog, EscapeInWindow };
    for (const Stop how : {Stop::CancelButton, Stop::EscapeInDialog, Stop::EscapeInWindow}) {
        SCOPED_TRACE(static_cast<int>(how));
        MainWindow& f = open();
        CallbackPrompter asking;
        ws().prompter = &asking;
        ui().codeEditor()->setPlainText(QStringLiteral("begin\n  if a > b then\n    x := 1;\nend;"));
        ui().chartButton()->click();
        ASSERT_TRUE(ws().diagram.hasPicture());
        const Snapshot before = snapshot(ws());

        // A routine over the length limit: the build stops at the question,
        // and while it waits the user gives up on it.
        ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("3000"));
        ui().codeEditor()->setPlainText(longRoutine(40));
        QString stageShown;
        asking.onQuestion = [&] {
            QProgressDialog* dialog = f.buildRunner().progressDialog();
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return Answer::Yes;
            // Escape stops a build before its dialog shows, too.
            if (how != Stop::EscapeInWindow) dialog->show();
            QTest::qWait(250); // the dialog follows the stage a few times a second
            stageShown = dialog->labelText();
            if (how == Stop::CancelButton) dialog->findChild<QPushButton*>()->click();
            else
                QTest::keyClick(how == Stop::EscapeInDialog ? static_cast<QWidget*>(dialog) : ui().codeEditor(),
                                Qt::Key_Escape);
            return Answer::Yes; // a build in parts, which the stop ends at once
        };
        ui().chartButton()->click();

        EXPECT_EQ(asking.questions, 1);
        EXPECT_TRUE(asking.askedOnWindowThread);
        EXPECT_EQ(stageShown, buildStageText(BuildStage::Size) + QStringLiteral("…"));
        EXPECT_FALSE(f.buildRunner().running());
        EXPECT_EQ(f.buildRunner().progressDialog(), nullptr);
        const Snapshot after = snapshot(ws());
        EXPECT_TRUE(after.picture == before.picture);
        EXPECT_EQ(after.rows, before.rows);
        EXPECT_EQ(after.connections, before.connections);
        EXPECT_EQ(after.code, before.code);
        EXPECT_FALSE(ws().parts.nextPartAvailable());
        EXPECT_EQ(ws().prompter, &asking);
        EXPECT_TRUE(asking.messages.isEmpty()) << qPrintable(asking.messages.join(u'\n'));

        // The same build, not stopped, goes through as usual.
        asking.onQuestion = [] { return Answer::Yes; };
        ui().chartButton()->click();
        EXPECT_TRUE(ws().parts.nextPartAvailable());
        EXPECT_NE(dumpStatementTable(ws().statements), before.rows);
        form.reset();
    }
}

TEST_F(WindowTest, ALongBuildShowsItsProgressAndTheWindowStaysAlive)
{
    MainWindow& f = open();
    f.buildRunner().setProgressDelay(0);
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("1000000"));
    ui().codeEditor()->setPlainText(longRoutine(1500));
    int ticks = 0;
    bool dialogSeen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++ticks; // the window's thread keeps running while the build does
        QProgressDialog* d = f.buildRunner().progressDialog();
        if (d && d->isVisible() && !dialogSeen) {
            dialogSeen = true;
            QTimer::singleShot(300, d, [&f] { vexoria::test::screenShot(&f, QStringLiteral("build-progress")); });
        }
    });
    watch.start(1);
    ui().chartButton()->click();
    watch.stop();

    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(dialogSeen);
    EXPECT_TRUE(ws().diagram.hasPicture());
    EXPECT_GT(ws().connections.size(), 1500);
    EXPECT_TRUE(prompter.messages().isEmpty()) << qPrintable(prompter.messages().join(u'\n'));
}

TEST_F(WindowTest, AQuestionDuringABuildIsAnsweredAboveTheProgressDialog)
{
    MainWindow& f = open();
    f.show();
    // A routine that takes a while to size, with a length limit that asks
    // for a chart in two parts: the progress dialog is on show when the
    // question comes.
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("1000000"));
    ui().codeEditor()->setPlainText(longRoutine(400));
    ui().chartButton()->click();
    const int height = ws().diagram.image().height();
    ASSERT_GT(height, 3000);
    ui().settingsPanel()->maxLengthEdit->setText(QString::number(height / 2 + 100));
    MessageBoxPrompter boxes(&f);
    ws().prompter = &boxes;
    f.buildRunner().setProgressDelay(0);

    // What the user meets while the question waits, looked at a few times
    // before the question is answered with "Да" by a click.
    bool dialogBefore = false;
    int looks = 0;
    QString title;
    bool boxActive = false;
    bool boxHasFocus = false;
    bool dialogHidden = true;
    QStringList unexpected;
    QTimer watch;
    bool looking = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (looking) return; // the screenshot runs events of its own
        const QScopedValueRollback<bool> busy(looking, true);
        QProgressDialog* dialog = f.buildRunner().progressDialog();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            dialogBefore = dialogBefore || (dialog && dialog->isVisible());
            return;
        }
        if (!box->isVisible()) return;
        if (box->buttons().size() < 2) { // a message, not the question
            unexpected << box->text();
            box->accept();
            return;
        }
        title = box->windowTitle();
        dialogHidden = dialogHidden && dialog && !dialog->isVisible();
        if (++looks < 5) return;
        boxActive = QApplication::activeWindow() == box;
        boxHasFocus = QApplication::focusWidget() && QApplication::focusWidget()->window() == box;
        vexoria::test::screenShot(&f, QStringLiteral("build-question"));
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("Да")) QTest::mouseClick(b, Qt::LeftButton);
    });
    watch.start(5);
    ui().chartButton()->click();
    watch.stop();

    EXPECT_TRUE(dialogBefore) << "the build should have shown its progress before it asked";
    EXPECT_FALSE(title.isEmpty()) << "no question was asked";
    EXPECT_TRUE(dialogHidden);
    EXPECT_TRUE(boxActive);
    EXPECT_TRUE(boxHasFocus);
    // "Да" builds the chart in parts: the first part is drawn.
    EXPECT_FALSE(f.buildRunner().running());
    EXPECT_TRUE(ws().diagram.hasPicture());
    EXPECT_TRUE(ws().parts.nextPartAvailable());
    EXPECT_TRUE(unexpected.isEmpty()) << qPrintable(unexpected.join(u'\n'));
}
