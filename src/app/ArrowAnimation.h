#pragma once
// The arrow animation in the window: the window's timer runs a tick while
// the diagram tab is shown and the animation is on, "Включить" and
// "Выключить" in the "Схема" menu switch it, and the diagram view paints what
// it shows over the picture. The other switches are where they belong: a build, the code tab,
// sizing that stops a build, the settings box "Анимация/скорость", printing
// and the break labels (stopAnimation), the tray.
#include <QObject>

class QTimer;

namespace vexoria {

class DiagramView;
class MainWindow;
class SettingsPanel;

class ArrowAnimation : public QObject {
    Q_OBJECT
public:
    // Starts the timer, whose ticks move the animation on view; the
    // settings' colour box chooses its pen.
    ArrowAnimation(MainWindow& form, QTimer& timer, DiagramView& view, const SettingsPanel& settings);

public slots:
    void tick();
    void switchAnimationOn();  // "Включить"
    void switchAnimationOff(); // "Выключить"

private:
    MainWindow& m_form;
    DiagramView& m_view;
    const SettingsPanel& m_settings;
};

} // namespace vexoria
