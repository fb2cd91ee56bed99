// A build runs off the window's thread: its questions still reach the user
// on the window's thread, the progress dialog names the stage, and a build
// stopped with Cancel or Escape leaves the chart and the tables as they were.
#include <functional>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "analysis/TstrokDump.h"
#include "app/SettingsPanel.h"
#include "connect/TstrelkaDump.h"
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
    return {ws.diagram.image(), dumpTstrok(ws.tstrok), dumpTstrelka(ws.tstrelka), ws.codeText};
}

} // namespace

TEST_F(WindowTest, ABuildStoppedWithCancelOrEscapeLeavesTheChartAndTablesAsTheyWere)
{
    enum class Stop { CancelButton, EscapeInDialog, EscapeInWindow };
    for (const Stop how : {Stop::CancelButton, Stop::EscapeInDialog, Stop::EscapeInWindow}) {
        SCOPED_TRACE(static_cast<int>(how));
        TMyform& f = open();
        CallbackPrompter asking;
        ws().prompter = &asking;
        f.Rekod->setPlainText(QStringLiteral("begin\n  if a > b then\n    x := 1;\nend;"));
        f.BitBtn3->click();
        ASSERT_TRUE(ws().diagram.hasPicture());
        const Snapshot before = snapshot(ws());

        // A routine over the length limit: the build stops at the question,
        // and while it waits the user gives up on it.
        f.Panel3->Edlin->setText(QStringLiteral("3000"));
        f.Rekod->setPlainText(longRoutine(40));
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
            else QTest::keyClick(how == Stop::EscapeInDialog ? static_cast<QWidget*>(dialog) : f.Rekod, Qt::Key_Escape);
            return Answer::Yes; // a build in parts, which the stop ends at once
        };
        f.BitBtn3->click();

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
        EXPECT_FALSE(ws().n15Visible);
        EXPECT_EQ(ws().prompter, &asking);
        EXPECT_TRUE(asking.messages.isEmpty()) << qPrintable(asking.messages.join(u'\n'));

        // The same build, not stopped, goes through as usual.
        asking.onQuestion = [] { return Answer::Yes; };
        f.BitBtn3->click();
        EXPECT_TRUE(ws().n15Visible);
        EXPECT_NE(dumpTstrok(ws().tstrok), before.rows);
        form.reset();
    }
}

TEST_F(WindowTest, ALongBuildShowsItsProgressAndTheWindowStaysAlive)
{
    TMyform& f = open();
    f.buildRunner().setProgressDelay(0);
    f.Panel3->Edlin->setText(QStringLiteral("1000000"));
    f.Rekod->setPlainText(longRoutine(1500));
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
    f.BitBtn3->click();
    watch.stop();

    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(dialogSeen);
    EXPECT_TRUE(ws().diagram.hasPicture());
    EXPECT_GT(ws().tstrelka.size(), 1500);
    EXPECT_TRUE(prompter.messages().isEmpty()) << qPrintable(prompter.messages().join(u'\n'));
}
