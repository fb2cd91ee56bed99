// The settings panel: its captions and start values, the factory sizes
// toggle and the close button that sets the animation speed.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/SettingsPanel.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QStringList sizeTexts(const SettingsPanel& p)
{
    return {p.Evar->text(), p.Eif->text(), p.Efor->text(), p.Ewhile->text(),
            p.Eelse->text(), p.Ebeg->text(), p.Edlin->text()};
}

void typeUserSizes(SettingsPanel& p)
{
    p.Evar->setText("1");
    p.Eif->setText("2");
    p.Efor->setText("3");
    p.Ewhile->setText("4");
    p.Eelse->setText("5");
    p.Ebeg->setText("6");
    p.Edlin->setText("7");
    p.Esoed->setText("8");
    p.Eani->setText("9");
}

const QStringList kFactory{"260", "200", "200", "250", "260", "260", "5500"};
const QStringList kUser{"1", "2", "3", "4", "5", "6", "7"};

// Records whether the panel was still on show when a message came.
class PanelWatchingPrompter : public Prompter {
public:
    QWidget* panel = nullptr;
    QList<bool> panelVisible;
    QStringList messages;
    void message(const QString& text) override
    {
        messages << text;
        panelVisible << (panel && panel->isVisible());
    }
    Answer question(const QString&, const QString&, Buttons, Icon) override { return Answer::Cancel; }
};

} // namespace

TEST_F(WindowTest, SettingsPanelHasItsCaptionsAndStartValues)
{
    TMyform& f = open();
    f.show();
    SettingsPanel& p = *f.Panel3;
    EXPECT_FALSE(p.isVisible());
    f.N14->trigger();
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.title->text(), QStringLiteral("Настройки"));
    EXPECT_EQ(p.sizesCaption->text(), QStringLiteral("Размеры блоков"));
    EXPECT_EQ(p.SBnast->text(), QStringLiteral("Вост стандарт"));
    EXPECT_EQ(p.Button2->text(), QStringLiteral("Закрыть"));
    EXPECT_EQ(p.Cbpredkom->text(), QStringLiteral("Смотреть комментари"));
    EXPECT_EQ(p.Cbanime->text(), QStringLiteral("Анимация/скорость"));
    EXPECT_FALSE(p.CBotl->isVisible());

    const std::pair<QCheckBox*, bool> boxes[] = {
        {p.CheckBox1, false}, {p.CBcvet, true},   {p.CBprint, false},   {p.CBoch, true},
        {p.CBotl, false},     {p.Cbdobkom, true}, {p.Cbpredkom, false}, {p.Cblegend, false},
        {p.Cbraz, true},      {p.Cbpod, true},    {p.Cbanime, true},
    };
    for (const auto& [box, on] : boxes) EXPECT_EQ(box->isChecked(), on) << box->objectName().toStdString();
    EXPECT_EQ(sizeTexts(p), kFactory);
    EXPECT_EQ(p.Esoed->text(), QStringLiteral("20"));
    EXPECT_EQ(p.Eani->text(), QStringLiteral("100"));
}

TEST_F(WindowTest, FactorySizesTogglePressedTwiceGivesTheUsersSizesBack)
{
    TMyform& f = open();
    SettingsPanel& p = *f.Panel3;
    typeUserSizes(p);

    p.SBnast->click();
    EXPECT_TRUE(p.SBnast->isChecked());
    EXPECT_EQ(p.SBnast->text(), QStringLiteral("Отменить"));
    EXPECT_EQ(sizeTexts(p), kFactory);
    EXPECT_EQ(p.Esoed->text(), QStringLiteral("8")); // not part of the toggle
    EXPECT_EQ(p.Eani->text(), QStringLiteral("9"));
    EXPECT_EQ(QStringList(ws().ctx.savedSizeTexts.begin(), ws().ctx.savedSizeTexts.end()), kUser);

    p.SBnast->click();
    EXPECT_FALSE(p.SBnast->isChecked());
    EXPECT_EQ(p.SBnast->text(), QStringLiteral("Вост стандарт"));
    EXPECT_EQ(sizeTexts(p), kUser);
}

TEST_F(WindowTest, FactorySizesTogglePressedOnceAndClosingSavesTheFactorySizes)
{
    {
        TMyform& f = open();
        typeUserSizes(*f.Panel3);
        f.Panel3->SBnast->click();
        f.close();
    }
    const QByteArray ini = readIni();
    EXPECT_TRUE(ini.contains("evar=260\r\neif=200\r\nefor=200\r\newhile=250\r\neelse=260\r\nebeg=260\r\n"
                             "edlin=5500\r\nesoed=8\r\neani=9\r\n"))
        << ini.toStdString();
}

TEST_F(WindowTest, ClosingThePanelSetsTheAnimationInterval)
{
    TMyform& f = open();
    f.show();
    f.N14Click();
    f.Panel3->Eani->setText(QStringLiteral(" 40 "));
    f.Panel3->Button2->click();
    EXPECT_FALSE(f.Panel3->isVisible());
    EXPECT_EQ(f.Timer1->interval(), 40);
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_TRUE(readIni().isEmpty()); // closing the panel writes nothing
}

// The panel does not take a value no chart can use: it stays open on the
// field with the message a build would give, and the timer keeps its interval.
TEST(SettingsPanelClose, AnUnusableValueKeepsThePanelOpenOnItsField)
{
    QTemporaryDir dir;
    PanelWatchingPrompter watcher;
    TMyform f(&watcher, dir.filePath("shema.ini"));
    watcher.panel = f.Panel3;
    f.show();
    // The message is Russian and names the field by the label the panel
    // shows beside it, with the range it takes.
    const std::tuple<QLineEdit*, QString, QString, QString> cases[] = {
        {f.Panel3->Eani, "1.5",
         "Настройки, поле «Анимация/скорость»: «1.5» — не целое число. Нужно целое число от 10 до 10000.", "50"},
        {f.Panel3->Eani, "0", "Настройки, поле «Анимация/скорость»: 0 — вне допустимых пределов, от 10 до 10000.",
         "50"},
        {f.Panel3->Eif, "-2147483648", "Настройки, поле «IF»: -2147483648 — вне допустимых пределов, от 20 до 2000.",
         "30"},
        {f.Panel3->Esoed, "2147483647",
         "Настройки, поле «<> соединения»: 2147483647 — вне допустимых пределов, от 1 до 100.", "30"},
        {f.Panel3->Edlin, "", "Настройки, поле «МАХ длинна»: пусто. Нужно целое число от 100 до 1000000.", "3000"},
        {f.Panel3->Evar, "двести", "Настройки, поле «Var,Заголовок»: «двести» — не целое число. Нужно целое число от 20 до 2000.",
         "200"},
    };
    for (const auto& [field, text, message, good] : cases) {
        watcher.messages.clear();
        watcher.panelVisible.clear();
        f.N14Click();
        const int interval = f.Timer1->interval();
        field->setText(text);
        f.Panel3->Button2->click();
        EXPECT_EQ(watcher.messages, QStringList{message});
        EXPECT_EQ(watcher.panelVisible, QList<bool>{true});
        EXPECT_TRUE(f.Panel3->isVisible());
        EXPECT_EQ(field->selectedText(), text);
        EXPECT_EQ(f.Timer1->interval(), interval);
        field->setText(good);
        f.Panel3->Button2->click();
        EXPECT_FALSE(f.Panel3->isVisible());
    }
    EXPECT_EQ(f.Timer1->interval(), 50);
}

TEST_F(WindowTest, TheAnimationBoxSwitchesTheAnimationFlag)
{
    TMyform& f = open();
    f.show();
    f.N14Click();
    f.Panel3->Cbanime->click();
    EXPECT_EQ(ws().ctx.animOn, 0);
    f.Panel3->Cbanime->click();
    EXPECT_EQ(ws().ctx.animOn, 1);
}
