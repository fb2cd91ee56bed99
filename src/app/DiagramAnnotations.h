#pragma once
// The mouse on the finished chart: the connection hint `hintBox` while a button
// is held on a side connection's lane, comments typed into `commentEdit` and
// written onto the chart ("Комментарии"), and the eraser ("Стереть"). All
// positions come from the diagram view in diagram pixels, so hint, comment
// and eraser land where the pointer is however the window lies, however far
// the chart is scrolled and whatever its zoom.
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
// comment comes out on the chart as it looked in the box. Over a zoomed
// chart the font is zoomed with it (never too small to read what is typed).
class CommentEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CommentEdit(QWidget* parent = nullptr);
    // Where the box's text begins, in the box's coordinates.
    QPoint textOrigin() const;
    // Sizes the font and the box for a chart shown at zoom.
    void setZoom(double zoom);
    // The box's size before it narrows near the picture's right edge.
    QSize fullSize() const { return m_fullSize; }

signals:
    void accepted();
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QSize m_fullSize;
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
    // Puts the comment box so that its text begins at `at` (view pixels),
    // inside the picture.
    void placeCommentBox(QPoint at);
    // The zoom changed: the box stays on its point of the chart.
    void onZoomChanged();

    MainWindow& m_form;
    DiagramTab& m_tab;
    DiagramView& m_view;
    QPoint m_menuAt;    // where the diagram's popup menu was asked for
    QPoint m_eraserAt;  // where the eraser last was
    QPoint m_commentAt; // where the comment being typed begins, diagram pixels
};

} // namespace vexoria
