#pragma once
// The mouse on the finished chart: the connection hint `Musl` while a button
// is held on a side connection's lane, comments typed into `Edit1` and
// written onto the chart ("Комментарии"), and the eraser ("Стереть"). All
// positions come from the diagram view in diagram pixels, so hint, comment
// and eraser land where the pointer is however the window lies and however
// far the chart is scrolled.
#include <QLineEdit>
#include <QObject>
#include <QPoint>

class QAction;
class QPlainTextEdit;

namespace vexoria {

class TMyform;

// Edit1: the one-line box a comment is typed into. Enter writes it, Escape
// or leaving the box drops it. It types in the chart's own font, so the
// comment comes out on the chart as it looked in the box.
class CommentEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CommentEdit(QWidget* parent = nullptr);
    // Where the box's text begins, in the box's coordinates.
    QPoint textOrigin() const;

signals:
    void accepted();
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

class DiagramAnnotations : public QObject {
    Q_OBJECT
public:
    explicit DiagramAnnotations(TMyform& form);

    QPlainTextEdit* Musl;
    CommentEdit* Edit1;
    QAction* N21; // "Комментарии"
    QAction* N22; // "Стереть"

public slots:
    void N21Click();
    void N22Click();

private:
    void Idiag1MouseDown(QPoint at, Qt::MouseButton button);
    void Idiag1MouseMove(QPoint at);
    void Idiag1MouseUp();
    void showHint(QPoint at);
    void Edit1Write();
    void Edit1Drop();
    void repaint(const QRect& area);

    TMyform& m_form;
    QPoint m_menuAt;     // where the diagram's popup menu was asked for
    QPoint m_eraserAt;   // where the eraser last was
};

} // namespace vexoria
