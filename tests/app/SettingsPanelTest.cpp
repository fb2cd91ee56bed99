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
    return {p.varWidthEdit->text(),  p.ifWidthEdit->text(),    p.forWidthEdit->text(), p.whileWidthEdit->text(),
            p.elseWidthEdit->text(), p.beginWidthEdit->text(), p.maxLengthEdit->text()};
}

void typeUserSizes(SettingsPanel& p)
{
    p.varWidthEdit->setText("1");
    p.ifWidthEdit->setText("2");
    p.forWidthEdit->setText("3");
    p.whileWidthEdit->setText("4");
    p.elseWidthEdit->setText("5");
    p.beginWidthEdit->setText("6");
    p.maxLengthEdit->setText("7");
    p.laneSpacingEdit->setText("8");
    p.animationIntervalEdit->setText("9");
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
    MainWindow& f = open();
    f.show();
    SettingsPanel& p = *ui().settingsPanel();
    EXPECT_FALSE(p.isVisible());
    f.actions().settings->trigger();
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.title->text(), QStringLiteral("Настройки"));
    EXPECT_EQ(p.sizesCaption->text(), QStringLiteral("Размеры блоков"));
    EXPECT_EQ(p.factorySizesButton->text(), QStringLiteral("Вост стандарт"));
    EXPECT_EQ(p.settingsCloseButton->text(), QStringLiteral("Закрыть"));
    EXPECT_EQ(p.reviewCommentsBox->text(), QStringLiteral("Смотреть комментари"));
    EXPECT_EQ(p.animateBox->text(), QStringLiteral("Анимация/скорость"));
    EXPECT_FALSE(p.debugBox->isVisible());

    const std::pair<QCheckBox*, bool> boxes[] = {
        {p.startInTrayBox, false}, {p.colourBox, true},       {p.choosePrinterBox, false},  {p.clearInTrayBox, true},
        {p.debugBox, false},       {p.drawCommentsBox, true}, {p.reviewCommentsBox, false}, {p.legendBox, false},
        {p.markPagesBox, true},    {p.labelBreaksBox, true},  {p.animateBox, true},
    };
    for (const auto& [box, on] : boxes) EXPECT_EQ(box->isChecked(), on) << box->objectName().toStdString();
    EXPECT_EQ(sizeTexts(p), kFactory);
    EXPECT_EQ(p.laneSpacingEdit->text(), QStringLiteral("20"));
    EXPECT_EQ(p.animationIntervalEdit->text(), QStringLiteral("100"));
}

TEST_F(WindowTest, FactorySizesTogglePressedTwiceGivesTheUsersSizesBack)
{
    open();
    SettingsPanel& p = *ui().settingsPanel();
    typeUserSizes(p);

    p.factorySizesButton->click();
    EXPECT_TRUE(p.factorySizesButton->isChecked());
    EXPECT_EQ(p.factorySizesButton->text(), QStringLiteral("Отменить"));
    EXPECT_EQ(sizeTexts(p), kFactory);
    EXPECT_EQ(p.laneSpacingEdit->text(), QStringLiteral("8")); // not part of the toggle
    EXPECT_EQ(p.animationIntervalEdit->text(), QStringLiteral("9"));
    EXPECT_EQ(QStringList(uiState().savedSizeTexts.begin(), uiState().savedSizeTexts.end()), kUser);

    p.factorySizesButton->click();
    EXPECT_FALSE(p.factorySizesButton->isChecked());
    EXPECT_EQ(p.factorySizesButton->text(), QStringLiteral("Вост стандарт"));
    EXPECT_EQ(sizeTexts(p), kUser);
}

TEST_F(WindowTest, FactorySizesTogglePressedOnceAndClosingSavesTheFactorySizes)
{
    {
        MainWindow& f = open();
        typeUserSizes(*ui().settingsPanel());
        ui().settingsPanel()->factorySizesButton->click();
        f.close();
    }
    const QByteArray ini = readIni();
    EXPECT_TRUE(ini.contains("evar=260\r\neif=200\r\nefor=200\r\newhile=250\r\neelse=260\r\nebeg=260\r\n"
                             "edlin=5500\r\nesoed=8\r\neani=9\r\n"))
        << ini.toStdString();
}

TEST_F(WindowTest, ClosingThePanelSetsTheAnimationInterval)
{
    MainWindow& f = open();
    f.show();
    f.showSettings();
    ui().settingsPanel()->animationIntervalEdit->setText(QStringLiteral(" 40 "));
    ui().settingsPanel()->settingsCloseButton->click();
    EXPECT_FALSE(ui().settingsPanel()->isVisible());
    EXPECT_EQ(ui().animationTimer()->interval(), 40);
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_TRUE(readIni().isEmpty()); // closing the panel writes nothing
}

// The panel does not take a value no chart can use: it stays open on the
// field with the message a build would give, and the timer keeps its interval.
TEST(SettingsPanelClose, AnUnusableValueKeepsThePanelOpenOnItsField)
{
    QTemporaryDir dir;
    PanelWatchingPrompter watcher;
    MainWindow f(&watcher, dir.filePath("shema.ini"));
    const MainWindowProbe w(f);
    watcher.panel = w.settingsPanel();
    f.show();
    // The message is Russian and names the field by the label the panel
    // shows beside it, with the range it takes.
    const std::tuple<QLineEdit*, QString, QString, QString> cases[] = {
        {w.settingsPanel()->animationIntervalEdit, "1.5",
         "Настройки, поле «Анимация/скорость»: «1.5» — не целое число. Нужно целое число от 10 до 10000.", "50"},
        {w.settingsPanel()->animationIntervalEdit, "0",
         "Настройки, поле «Анимация/скорость»: 0 — вне допустимых пределов, от 10 до 10000.", "50"},
        {w.settingsPanel()->ifWidthEdit, "-2147483648",
         "Настройки, поле «IF»: -2147483648 — вне допустимых пределов, от 20 до 2000.", "30"},
        {w.settingsPanel()->laneSpacingEdit, "2147483647",
         "Настройки, поле «<> соединения»: 2147483647 — вне допустимых пределов, от 1 до 100.", "30"},
        {w.settingsPanel()->maxLengthEdit, "",
         "Настройки, поле «МАХ длинна»: пусто. Нужно целое число от 100 до 1000000.", "3000"},
        {w.settingsPanel()->varWidthEdit, "двести",
         "Настройки, поле «Var,Заголовок»: «двести» — не целое число. Нужно целое число от 20 до 2000.", "200"},
    };
    for (const auto& [field, text, message, good] : cases) {
        watcher.messages.clear();
        watcher.panelVisible.clear();
        f.showSettings();
        const int interval = w.animationTimer()->interval();
        field->setText(text);
        w.settingsPanel()->settingsCloseButton->click();
        EXPECT_EQ(watcher.messages, QStringList{message});
        EXPECT_EQ(watcher.panelVisible, QList<bool>{true});
        EXPECT_TRUE(w.settingsPanel()->isVisible());
        EXPECT_EQ(field->selectedText(), text);
        EXPECT_EQ(w.animationTimer()->interval(), interval);
        field->setText(good);
        w.settingsPanel()->settingsCloseButton->click();
        EXPECT_FALSE(w.settingsPanel()->isVisible());
    }
    EXPECT_EQ(w.animationTimer()->interval(), 50);
}

TEST_F(WindowTest, TheAnimationBoxSwitchesTheAnimationFlag)
{
    MainWindow& f = open();
    f.show();
    f.showSettings();
    ui().settingsPanel()->animateBox->click();
    EXPECT_FALSE(uiState().animationOn);
    ui().settingsPanel()->animateBox->click();
    EXPECT_TRUE(uiState().animationOn);
}

// The panel finds its controls through the key table: a control whose name
// is not its key would show the factory value and lose the user's.
TEST(SettingsPanelKeys, EveryValueThePanelShowsGoesBackIntoTheSettings)
{
    WindowState state;
    SettingsPanel panel(state);
    Settings changed;
    for (const SettingKey& k : settingKeys()) {
        if (k.type == SettingKey::Type::Flag) changed.*k.flag = !(changed.*k.flag);
        if (k.type == SettingKey::Type::Text) changed.*k.text = QStringLiteral("7%1").arg(QLatin1String(k.key));
    }
    panel.fromSettings(changed);
    Settings back;
    panel.toSettings(back);
    // The window's place, the folders and the queue's choice are not on the
    // panel.
    for (const SettingKey& k : settingKeys()) {
        const bool shown = (k.type == SettingKey::Type::Flag && !k.radio) || k.ranged;
        EXPECT_EQ(settingText(back, k), shown ? settingText(changed, k) : QString::fromLatin1(k.factory)) << k.key;
    }
}
