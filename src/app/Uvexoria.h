#pragma once
// The main window: the code, diagram and print tabs, the menus and the build.
#include <QMainWindow>

#include "pipeline/Workspace.h"

namespace vexoria {

class TMyform : public QMainWindow {
    Q_OBJECT
public:
    explicit TMyform(QWidget* parent = nullptr);

    Workspace& workspace() { return m_ws; }

private:
    Workspace m_ws;
};

} // namespace vexoria
