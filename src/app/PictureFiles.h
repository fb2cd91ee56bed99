#pragma once
// The diagram's picture files: "Открыть *.bmp" / "Загрузить" and
// "Сохранить *.bmp" / "Сохранить" in the diagram's popup. Pictures are
// bitmaps, JPEG (through libjpeg) or PNG. A picture opened from a file is
// only shown (and printed); the tables stay as the last build left them.
#include <functional>

#include <QObject>

class QAction;
class QMenu;

namespace vexoria {

class FileDialogs;
struct WindowState;
struct Workspace;

class PictureFiles : public QObject {
    Q_OBJECT
public:
    // shown: runs after a picture was opened, to show it on the diagram tab.
    PictureFiles(Workspace& ws, WindowState& state, FileDialogs& dialogs, std::function<void()> shown,
                 QObject* parent = nullptr);

    QAction* openPictureMenuAction = nullptr; // "Загрузить"
    QAction* savePictureMenuAction = nullptr; // "Сохранить"

    // Adds "Загрузить" and "Сохранить" to the diagram's popup menu.
    void addPopupItems(QMenu* diagramMenu);
    // Opens a picture file: filterIndex 2 reads it as JPEG whatever its
    // name, 1 and 3 by its extension. A file that cannot be read leaves the
    // diagram as it was and says why; returns false.
    bool openPicture(const QString& path, int filterIndex = 1);

public slots:
    void openPictureFile(); // open a picture
    void savePictureFile(); // save the picture

private:
    Workspace& m_ws;
    WindowState& m_state;
    FileDialogs& m_dialogs;
    std::function<void()> m_shown;
};

} // namespace vexoria
