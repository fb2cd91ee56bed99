#pragma once
// The window's prompter: real message boxes, modal over the given parent,
// with the buttons and captions a Russian desktop shows.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/prompts/Prompter.h"

namespace vexoria {

class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    void message(const QString& text) override;
    Answer question(const QString& title, const QString& text, Buttons buttons, Icon icon) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace vexoria
