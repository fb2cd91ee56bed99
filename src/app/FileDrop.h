#pragma once
// Files dropped on the window: a Pascal unit (.pas, .pp) opens as the
// routine queue does, a picture opens on the diagram tab, any other text
// file loads into the editor. Watches the window and the editor, which
// would otherwise take a dropped file as its name in text.
#include <QObject>

class QPlainTextEdit;

namespace vexoria {

class EditorFiles;
class MainWindow;
class PictureFiles;
class RoutineQueuePanel;

class FileDrop : public QObject {
    Q_OBJECT
public:
    // Watches the window and the editor's viewport for drops.
    FileDrop(MainWindow& form, QPlainTextEdit& editor, EditorFiles& files, RoutineQueuePanel& queue,
             PictureFiles& pictures);

    // What a drop of path does; public for tests, which cannot drag.
    void openDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    MainWindow& m_form;
    EditorFiles& m_files;
    RoutineQueuePanel& m_queue;
    PictureFiles& m_pictures;
};

} // namespace vexoria
