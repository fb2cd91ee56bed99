#pragma once
// A main window on the offscreen platform with a scripted prompter, scripted
// file dialogs, a private clipboard and tray, and its shema.ini in a
// temporary folder, so no test touches a real file or blocks.
#include <memory>
#include <ostream>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "DesktopFakes.h"
#include "app/MainWindow.h"
#include "app/MainWindowProbe.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

namespace vexoria {

inline void PrintTo(WindowTab tab, std::ostream* os)
{
    switch (tab) {
    case WindowTab::Code: *os << "the code tab"; return;
    case WindowTab::Diagram: *os << "the diagram tab"; return;
    case WindowTab::Print: *os << "the print tab"; return;
    }
}

} // namespace vexoria

namespace vexoria::test {

class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakeFileDialogs dialogs;
    FakeClipboard clipboard;
    FakeTray tray;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MainWindowProbe> probe;

    QString iniPath() const { return dir.filePath(QStringLiteral("shema.ini")); }

    void writeIni(const QByteArray& bytes)
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    QByteArray readIni() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A file in the temporary folder, for the scripted dialogs to choose.
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }

    static QByteArray readFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    MainWindow& open()
    {
        const Desktop desktop{&dialogs, &clipboard, &tray};
        form = std::make_unique<MainWindow>(&prompter, iniPath(), &desktop);
        probe = std::make_unique<MainWindowProbe>(*form);
        return *form;
    }

    // The tabs, panels and menus of the window open() made last.
    MainWindowProbe& ui() const { return *probe; }

    Workspace& ws() { return form->workspace(); }
    WindowState& uiState() { return form->uiState(); }
    QueueState& queue() { return form->queueState(); }
};

} // namespace vexoria::test
