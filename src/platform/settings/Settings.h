#pragma once
// The values of the settings panel, and the other values kept in shema.ini.
// Size fields stay the text the user typed; a stage converts a text with
// toInt() when it uses it, so a bad value fails only the command that reads it.
#include <QString>

namespace vexoria {

struct Settings {
    // Window and dialogs.
    int windowTop = 100;
    int windowLeft = 101;
    QString unitFolder;
    QString textOpenFolder;
    QString pictureOpenFolder;
    QString textSaveFolder;
    QString pictureSaveFolder;
    bool queueBuildsAtOnce = false;  // "Построить сразу"
    bool queuePreviews = true;   // "Предпросмотр" (selected at start)

    // The panel.
    bool startInTray = false;     // "При запуске в трей"
    bool colourMode = true;         // "Цветная"
    bool choosePrinter = false;       // "Диалог выбора принтера"
    bool clearPictureInTray = true;          // "Сбросить графику в трее"
    QString beginTextWidth = QStringLiteral("260");
    QString elseTextWidth = QStringLiteral("260");
    QString varTextWidth = QStringLiteral("260");
    QString ifTextWidth = QStringLiteral("200");
    QString forTextWidth = QStringLiteral("200");
    QString whileTextWidth = QStringLiteral("250");
    QString maxChartLength = QStringLiteral("5500");
    bool debugMode = false;         // "Отладка"
    QString laneSpacing = QStringLiteral("20");
    bool drawComments = true;       // "Добавлять комментарии"
    bool reviewCommentsFirst = false;     // "Смотреть комментари"
    bool addLegend = false;      // "Добавить легенду"
    bool markPages = true;          // "Разметка страниц"
    bool labelBreaks = true;          // "Подписывать разрывы"
    bool animate = true;        // "Анимация/скорость"
    QString animationIntervalMs = QStringLiteral("100");
};

} // namespace vexoria
