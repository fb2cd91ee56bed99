#pragma once
// A routine of `parts` conditions and loops one after the other: about 270
// pixels of chart each, so 60 make a chart of more than twelve pages. In one
// loop, the loop's lanes run down the whole chart and cross every page break.
#include <QString>

#include "platform/text/TextCodec.h"

namespace vexoria::test {

inline QString longRoutine(int parts, bool inOneLoop = false)
{
    QString code = QStringLiteral("procedure LongOne(n: integer);\nbegin\n");
    if (inOneLoop) code += QStringLiteral("while go do\nbegin\n");
    for (int i = 0; i < parts; ++i)
        code += QStringLiteral("  if a%1 > b then\n  begin\n    x := x + %1;\n  end\n  else\n    y := y - %1;\n"
                               "  while c%1 do\n    c%1 := c%1 - 1;\n")
                    .arg(i);
    if (inOneLoop) code += QStringLiteral("end;\n");
    return code + QStringLiteral("end;\n");
}

// `count` while loops one after the other, as the editor hands the text to
// the classifier.
inline QString loopRoutine(int count)
{
    QString code = QStringLiteral("procedure P;\nbegin\n");
    for (int i = 0; i < count; ++i) code += QStringLiteral("while a do\nbegin\nx := 1;\nend;\n");
    return classifierText(code + QStringLiteral("end;\n"));
}

} // namespace vexoria::test
