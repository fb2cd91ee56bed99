#pragma once
// The mouse on the finished chart: the connection hint `hintBox` while a button
// is held on a side connection's lane, comments typed into `commentEdit` and
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

class DiagramTab;
class DiagramView;
class MainWindow;

// commentEdit: the one-line box a comment is typed into. Enter writes it, Escape
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
    // Adds "Комментарии" and "Стереть" to the tab's popup menu.
    DiagramAnnotations(MainWindow& form, DiagramTab& tab);

    QPlainTextEdit* hintBox;
    CommentEdit* commentEdit;
    QAction* commentAction; // "Комментарии"
    QAction* eraserAction;  // "Стереть"

public slots:
    void startComment();
    void toggleEraser();

private:
    void onDiagramPressed(QPoint at, Qt::MouseButton button);
    void onDiagramMoved(QPoint at);
    void onDiagramReleased();
    void showHint(QPoint at);
    void writeComment();
    void dropComment();
    void repaint(const QRect& area);

    MainWindow& m_form;
    DiagramTab& m_tab;
    DiagramView& m_view;
    QPoint m_menuAt;   // where the diagram's popup menu was asked for
    QPoint m_eraserAt; // where the eraser last was
};

} // namespace vexoria
