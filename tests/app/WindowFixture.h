#pragma once
// A main window on the offscreen platform with a scripted prompter and its
// shema.ini in a temporary folder, so no test touches a real file or blocks.
#include <memory>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/Uvexoria.h"
#include "support/PrintTo.h"
#include "support/ScriptedPrompter.h"

namespace vexoria::test {

class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<TMyform> form;

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

    TMyform& open()
    {
        form = std::make_unique<TMyform>(&prompter, iniPath());
        return *form;
    }

    Workspace& ws() { return form->workspace(); }
};

} // namespace vexoria::test
