#pragma once
// Lets GoogleTest print QStrings in failure messages.
#include <ostream>

#include <QString>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE
