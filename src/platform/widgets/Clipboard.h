#pragma once
// The system clipboard's text, behind an interface so that tests never touch
// what the user has copied.
#include <QString>

namespace vexoria {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

class SystemClipboard : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
};

} // namespace vexoria
