#pragma once
// A routine whose chart is built in two parts at a maximum length of 1200:
// two loops one after the other, the statements of the first named first0
// to first5, those of the second second0 to second5.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/MainWindowProbe.h"
#include "app/SettingsPanel.h"
#include "support/ScriptedPrompter.h"

namespace vexoria::test {

inline QString twoPartRoutine()
{
    QString code = QStringLiteral("procedure P;\nbegin\n");
    for (const char* loop : {"first", "second"}) {
        code += QStringLiteral("while a do\nbegin\n");
        for (int i = 0; i < 6; ++i)
            code += QStringLiteral("%1%2 := %2;\nif b then\nbegin\ny := 1;\nend;\n").arg(QLatin1String(loop)).arg(i);
        code += QStringLiteral("end;\n");
    }
    code += QStringLiteral("end;");
    return code;
}

// "Схема" on that routine, answering Yes to building it in parts: part 1 is
// on show.
inline void buildFirstOfTwoParts(const MainWindowProbe& ui, ScriptedPrompter& prompter)
{
    ui.codeEditor()->setPlainText(twoPartRoutine());
    ui.settingsPanel()->maxLengthEdit->setText(QStringLiteral("1200"));
    prompter.script(Answer::Yes);
    ui.chartButton()->click();
}

} // namespace vexoria::test
