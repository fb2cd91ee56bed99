#pragma once
// The values of the settings panel, and the other values kept in shema.ini.
// Size fields stay the text the user typed; a stage converts a text with
// toInt() when it uses it, so a bad value fails only the command that reads it.
#include <QString>

namespace vexoria {

struct Settings {
    // Window and dialogs.
    int myformtop = 100;
    int myformleft = 101;
    QString opendialog1InitialDir;
    QString opendialog2InitialDir;
    QString opdInitialDir;
    QString savedialog1InitialDir;
    QString spdInitialDir;
    bool radiobutton1 = false;  // "Построить сразу"
    bool radiobutton2 = true;   // "Предпросмотр" (selected at start)

    // The panel.
    bool checkbox1 = false;     // "При запуске в трей"
    bool cbcvet = true;         // "Цветная"
    bool cbprint = false;       // "Диалог выбора принтера"
    bool cboch = true;          // "Сбросить графику в трее"
    QString ebeg = QStringLiteral("260");
    QString eelse = QStringLiteral("260");
    QString evar = QStringLiteral("260");
    QString eif = QStringLiteral("200");
    QString efor = QStringLiteral("200");
    QString ewhile = QStringLiteral("250");
    QString edlin = QStringLiteral("5500");
    bool cbotl = false;         // "Отладка"
    QString esoed = QStringLiteral("20");
    bool cbdobkom = true;       // "Добавлять комментарии"
    bool cbpredkom = false;     // "Смотреть комментари"
    bool cblegend = false;      // "Добавить легенду"
    bool cbraz = true;          // "Разметка страниц"
    bool cbpod = true;          // "Подписывать разрывы"
    bool cbanime = true;        // "Анимация/скорость"
    QString eani = QStringLiteral("100");
};

} // namespace vexoria
