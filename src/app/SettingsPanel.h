#pragma once
// settingsPanel, "Настройки": every setting of the program as a control. The stages
// read ws.settings, which the window fills from here before each build; the
// size fields stay free text, converted only where they are used.
#include <vector>

#include <QFrame>

#include "app/WindowState.h"
#include "platform/settings/SettingKeys.h"
#include "platform/settings/Settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexoria {

class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    // state keeps the seven size texts that "Вост стандарт" puts aside.
    SettingsPanel(WindowState& state, QWidget* parent = nullptr);

    // The panel's values into s, leaving the values it does not show.
    void toSettings(Settings& s) const;
    void fromSettings(const Settings& s);

    // The first numeric field whose text no chart can use: the message that
    // names it (its label on the panel, the value and the range), with that
    // field focused and its text selected for the user to mend. Empty when
    // every field is usable.
    QString refuseUnusableValue();
    // What is wrong with the numeric field of the INI key ("eif"), in the
    // user's words; empty when its value is usable.
    QString valueProblem(const char* key) const;
    // The first field a build reads whose value no chart can use, in the
    // user's words; empty when a build can use them all.
    QString buildValueProblem() const;

    QLabel* title;
    QLabel* sizesCaption;
    QCheckBox* startInTrayBox;
    QCheckBox* colourBox;
    QCheckBox* choosePrinterBox;
    QCheckBox* clearInTrayBox;
    QCheckBox* debugBox;
    QCheckBox* drawCommentsBox;
    QCheckBox* reviewCommentsBox;
    QCheckBox* legendBox;
    QCheckBox* markPagesBox;
    QCheckBox* labelBreaksBox;
    QCheckBox* animateBox;
    QLineEdit* varWidthEdit;
    QLineEdit* ifWidthEdit;
    QLineEdit* forWidthEdit;
    QLineEdit* whileWidthEdit;
    QLineEdit* elseWidthEdit;
    QLineEdit* beginWidthEdit;
    QLineEdit* maxLengthEdit;
    QLineEdit* laneSpacingEdit;
    QLineEdit* animationIntervalEdit;
    QPushButton* factorySizesButton;
    QPushButton* settingsCloseButton;

public slots:
    // The factory sizes toggle: down puts the user's sizes aside and shows
    // the factory ones, up brings the user's back.
    void toggleFactorySizes();

signals:
    void closeClicked();

private:
    // A control of the panel: the key it shows, its check box (a flag) or
    // editor (a text), and the name it has on the panel (its label).
    struct Field {
        const SettingKey* key;
        QCheckBox* box;
        QLineEdit* edit;
        QString label;
    };
    QString problemOf(const Field& field) const;

    WindowState& m_state;
    std::vector<Field> m_fields; // in the order of the key table
};

} // namespace vexoria
