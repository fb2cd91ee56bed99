#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace vexoria::test {

Answer ScriptedPrompter::question(const QString& title, const QString& text, Buttons buttons, Icon icon)
{
    m_questions.push_back({title, text, buttons, icon});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << title.toStdString() << ": " << text.toStdString();
        return Answer::Cancel;
    }
    Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

} // namespace vexoria::test
