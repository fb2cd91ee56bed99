#include "support/BenchSupport.h"

#include <QStringList>

namespace vexoria::bench {

QString longRoutine(int groups)
{
    QStringList out{"procedure Long(var a: array of Integer; n: Integer);", "var", "  i, s: Integer;", "begin"};
    for (int k = 0; k < groups; ++k) {
        switch (k % 4) {
        case 0:
            out << QStringLiteral("  if a[%1] > s then").arg(k) << "  begin" << QStringLiteral("    s := a[%1];").arg(k)
                << "  end;";
            break;
        case 1:
            out << QStringLiteral("  for i := 0 to %1 do").arg(k) << "  begin"
                << "    s := s + a[i];"
                << "  end;";
            break;
        case 2:
            out << QStringLiteral("  while s > %1 do").arg(k) << "  begin"
                << "    s := s div 2;"
                << "  end;";
            break;
        default: out << "  case s of" << QStringLiteral("    %1: s := 0;").arg(k) << "  end;"; break;
        }
    }
    out << "end;";
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace vexoria::bench
