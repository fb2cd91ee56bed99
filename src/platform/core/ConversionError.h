#pragma once
// A size setting whose text is not an integer. The stage that reads it throws;
// the caller shows the message and ends the command.
#include <stdexcept>

#include <QString>

namespace vexoria {

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text)
        : std::runtime_error(("'" + text + "' is not a valid integer value").toStdString()),
          m_text(text)
    {
    }
    const QString& text() const { return m_text; }
    // The message the user sees.
    QString message() const { return QStringLiteral("\"%1\" — не целое число").arg(m_text); }

private:
    QString m_text;
};

// Converts a setting's text as the stages do when they use it: blanks around
// the number are allowed, anything else that is not a 32-bit integer throws.
int toInt(const QString& text);

} // namespace vexoria
