#pragma once
// helpPanel, "О программе": how to use the program, and a button that closes it.
#include <QFrame>

class QPlainTextEdit;
class QPushButton;

namespace vexoria {

class HelpPanel : public QFrame {
    Q_OBJECT
public:
    explicit HelpPanel(QWidget* parent = nullptr);

    QPlainTextEdit* helpText;
    QPushButton* helpCloseButton;

    static QString helpContents();
};

} // namespace vexoria
