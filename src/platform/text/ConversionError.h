#pragma once
// A size setting whose text is not an integer. The stage that reads it throws;
// the caller shows the message and ends the command.
#include <stdexcept>

#include <QString>

namespace vexoria {

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text)
        : std::runtime_error(("'" + text + "' is not a valid integer value").toStdString()), m_text(text)
    {
    }
    // A setting that is an integer but cannot be used, with its own message
    // (a width limit of 0 that a size would be divided by).
    ConversionError(const QString& text, const QString& message)
        : std::runtime_error(message.toStdString()), m_text(text), m_message(message)
    {
    }
    const QString& text() const { return m_text; }
    // The message the user sees.
    QString message() const
    {
        if (!m_message.isEmpty()) return m_message;
        return QStringLiteral("\"%1\" — не целое число").arg(m_text);
    }

private:
    QString m_text;
    QString m_message;
};

// Converts a setting's text as the stages do when they use it: blanks around
// the number are allowed, anything else that is not a 32-bit integer throws.
int toInt(const QString& text);

} // namespace vexoria
