#pragma once
// A prompter with a queue of scripted answers. A question that was not
// scripted fails the test; every message and question is kept for checks.
#include <deque>

#include <QString>
#include <QStringList>

#include "platform/prompts/Prompter.h"

namespace vexoria::test {

class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    void script(Answer a) { m_answers.push_back(a); }
    void message(const QString& text) override { m_messages << text; }
    Answer question(const QString& title, const QString& text, Buttons buttons, Icon icon) override;

    const QStringList& messages() const { return m_messages; }
    const std::vector<Asked>& questions() const { return m_questions; }
    bool allAnswersUsed() const { return m_answers.empty(); }

private:
    std::deque<Answer> m_answers;
    QStringList m_messages;
    std::vector<Asked> m_questions;
};

} // namespace vexoria::test
