#pragma once
// The values of the settings panel, and the other values kept in shema.ini.
// Size fields stay the text the user typed; a stage converts a text with
// toInt() when it uses it, so a bad value fails only the command that reads it.
// The values a Settings starts with are the factory values of the key table
// (SettingKeys.h), which names each member's key.
#include <QString>

namespace vexoria {

struct Settings {
    Settings(); // the factory values

    // Window and dialogs.
    int windowTop{};
    int windowLeft{};
    QString unitFolder;
    QString textOpenFolder;
    QString pictureOpenFolder;
    QString textSaveFolder;
    QString pictureSaveFolder;
    bool queueBuildsAtOnce{}; // "Построить сразу"
    bool queuePreviews{};     // "Предпросмотр" (selected at start)

    // The panel.
    bool startInTray{};        // "При запуске в трей"
    bool colourMode{};         // "Цветная"
    bool choosePrinter{};      // "Диалог выбора принтера"
    bool clearPictureInTray{}; // "Сбросить графику в трее"
    QString beginTextWidth;
    QString elseTextWidth;
    QString varTextWidth;
    QString ifTextWidth;
    QString forTextWidth;
    QString whileTextWidth;
    QString maxChartLength;
    bool debugMode{}; // "Отладка"
    QString laneSpacing;
    bool drawComments{};        // "Добавлять комментарии"
    bool reviewCommentsFirst{}; // "Смотреть комментари"
    bool addLegend{};           // "Добавить легенду"
    bool markPages{};           // "Разметка страниц"
    bool labelBreaks{};         // "Подписывать разрывы"
    bool animate{};             // "Анимация/скорость"
    QString animationIntervalMs;
};

} // namespace vexoria
