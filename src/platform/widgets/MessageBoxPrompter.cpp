#include "platform/widgets/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace vexoria {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Shows the box modal and waits for it. The box takes the focus once it is
// on show: a message comes while the user may be elsewhere (a build runs off
// the window's thread), and a box that opens without the focus takes no keys.
int execActive(QMessageBox& box)
{
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    return box.exec();
}

} // namespace

void MessageBoxPrompter::message(const QString& text)
{
    // A plain message carries the program's name as its caption.
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, m_parent);
    execActive(box);
}

Answer MessageBoxPrompter::question(const QString& title, const QString& text, Buttons buttons, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    QPushButton* cancel = nullptr;
    if (buttons == Buttons::YesNoCancel) {
        cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(no);
    }
    box.setDefaultButton(yes);
    execActive(box);
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    // Closing a Yes/No box by its frame counts as No, a Yes/No/Cancel box as Cancel.
    return cancel ? Answer::Cancel : Answer::No;
}

} // namespace vexoria
