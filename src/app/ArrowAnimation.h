#pragma once
// The arrow animation in the window: animationTimer runs a tick while the diagram
// tab is shown and the animation is on, "Включить" and "Выключить" in the
// "Схема" menu switch it, and the diagram view paints what it shows over the
// picture. The other switches are where they belong: a build, the code tab,
// sizing that stops a build, the settings box "Анимация/скорость", printing
// and the break labels (stopAnimation), the tray.
#include <QObject>

namespace vexoria {

class MainWindow;

class ArrowAnimation : public QObject {
    Q_OBJECT
public:
    explicit ArrowAnimation(MainWindow& form);

public slots:
    void tick();
    void switchAnimationOn(); // "Включить"
    void switchAnimationOff(); // "Выключить"

private:
    MainWindow& m_form;
};

} // namespace vexoria
