#pragma once
// Message boxes and questions, as the stages ask them. The window answers
// with real message boxes, the command line from its options, tests from a
// script. No stage shows a box itself.
#include <QString>

namespace vexoria {

enum class Answer { Ok, Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Warning, Error };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A plain message box with an OK button.
    virtual void message(const QString& text) = 0;
    // A question with a title, buttons and an icon; returns the answer.
    virtual Answer question(const QString& title, const QString& text, Buttons buttons, Icon icon) = 0;
};

} // namespace vexoria
