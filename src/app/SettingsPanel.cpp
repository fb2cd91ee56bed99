#include "app/SettingsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/settings/SettingLimits.h"

namespace vexoria {

namespace {

QCheckBox* checkBox(const char* name, const QString& caption, bool on, QWidget* parent)
{
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setChecked(on);
    return b;
}

QLineEdit* sizeEdit(const char* name, const QString& text, QWidget* parent)
{
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(64);
    return e;
}

const QString kFactoryCaption = QStringLiteral("Вост стандарт");
const QString kUndoCaption = QStringLiteral("Отменить");

} // namespace

SettingsPanel::SettingsPanel(WindowState& state, QWidget* parent) : QFrame(parent), m_state(state)
{
    setObjectName(QStringLiteral("Panel3"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);

    const Settings start;
    title = new QLabel(QStringLiteral("Настройки"), this);
    QFont tf = title->font();
    tf.setBold(true);
    title->setFont(tf);
    sizesCaption = new QLabel(QStringLiteral("Размеры блоков"), this);

    startInTrayBox = checkBox("CheckBox1", QStringLiteral("При запуске в трей"), start.startInTray, this);
    colourBox = checkBox("CBcvet", QStringLiteral("Цветная"), start.colourMode, this);
    choosePrinterBox = checkBox("CBprint", QStringLiteral("Диалог выбора принтера"), start.choosePrinter, this);
    clearInTrayBox = checkBox("CBoch", QStringLiteral("Сбросить графику в трее"), start.clearPictureInTray, this);
    debugBox = checkBox("CBotl", QStringLiteral("Отладка"), start.debugMode, this);
    drawCommentsBox = checkBox("Cbdobkom", QStringLiteral("Добавлять комментарии"), start.drawComments, this);
    reviewCommentsBox = checkBox("Cbpredkom", QStringLiteral("Смотреть комментари"), start.reviewCommentsFirst, this);
    legendBox = checkBox("Cblegend", QStringLiteral("Добавить легенду"), start.addLegend, this);
    markPagesBox = checkBox("Cbraz", QStringLiteral("Разметка страниц"), start.markPages, this);
    labelBreaksBox = checkBox("Cbpod", QStringLiteral("Подписывать разрывы"), start.labelBreaks, this);
    animateBox = checkBox("Cbanime", QStringLiteral("Анимация/скорость"), start.animate, this);
    // The debug switch is kept in the file only: it never shows on the panel.
    debugBox->setVisible(false);

    beginWidthEdit = sizeEdit("Ebeg", start.beginTextWidth, this);
    elseWidthEdit = sizeEdit("Eelse", start.elseTextWidth, this);
    varWidthEdit = sizeEdit("Evar", start.varTextWidth, this);
    ifWidthEdit = sizeEdit("Eif", start.ifTextWidth, this);
    forWidthEdit = sizeEdit("Efor", start.forTextWidth, this);
    whileWidthEdit = sizeEdit("Ewhile", start.whileTextWidth, this);
    maxLengthEdit = sizeEdit("Edlin", start.maxChartLength, this);
    laneSpacingEdit = sizeEdit("Esoed", start.laneSpacing, this);
    animationIntervalEdit = sizeEdit("Eani", start.animationIntervalMs, this);

    factorySizesButton = new QPushButton(kFactoryCaption, this);
    factorySizesButton->setObjectName(QStringLiteral("SBnast"));
    factorySizesButton->setCheckable(true);
    settingsCloseButton = new QPushButton(QStringLiteral("Закрыть"), this);
    settingsCloseButton->setObjectName(QStringLiteral("Button2"));

    auto* checks = new QVBoxLayout;
    for (QCheckBox* b : {startInTrayBox, colourBox, choosePrinterBox, clearInTrayBox, drawCommentsBox, reviewCommentsBox, legendBox, markPagesBox, labelBreaksBox})
        checks->addWidget(b);
    auto* anim = new QHBoxLayout;
    anim->addWidget(animateBox);
    anim->addWidget(animationIntervalEdit);
    anim->addStretch();
    checks->addLayout(anim);
    checks->addStretch();

    auto* sizes = new QGridLayout;
    sizes->addWidget(sizesCaption, 0, 0, 1, 2);
    const std::pair<QString, QLineEdit*> rows[] = {
        {QStringLiteral("Begin"), beginWidthEdit},         {QStringLiteral("Else"), elseWidthEdit},
        {QStringLiteral("Var,Заголовок"), varWidthEdit}, {QStringLiteral("IF"), ifWidthEdit},
        {QStringLiteral("For"), forWidthEdit},           {QStringLiteral("While"), whileWidthEdit},
        {QStringLiteral("МАХ длинна"), maxLengthEdit},   {QStringLiteral("<> соединения"), laneSpacingEdit},
    };
    int r = 1;
    for (const auto& [label, edit] : rows) {
        auto* l = new QLabel(label, this);
        l->setBuddy(edit);
        sizes->addWidget(l, r, 0);
        sizes->addWidget(edit, r, 1);
        ++r;
    }
    sizes->addWidget(factorySizesButton, r, 0, 1, 2);
    sizes->setRowStretch(r + 1, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(checks);
    columns->addSpacing(16);
    columns->addLayout(sizes);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(settingsCloseButton);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(title);
    outer->addLayout(columns);
    outer->addLayout(bottom);

    // The animation speed has no label of its own: its check box names it.
    const auto labelOf = [&rows](QLineEdit* edit) {
        for (const auto& [label, e] : rows)
            if (e == edit) return label;
        return QString();
    };
    m_numeric = {
        {"evar", varWidthEdit, labelOf(varWidthEdit)},   {"eif", ifWidthEdit, labelOf(ifWidthEdit)},       {"efor", forWidthEdit, labelOf(forWidthEdit)},
        {"ewhile", whileWidthEdit, labelOf(whileWidthEdit)}, {"eelse", elseWidthEdit, labelOf(elseWidthEdit)}, {"ebeg", beginWidthEdit, labelOf(beginWidthEdit)},
        {"edlin", maxLengthEdit, labelOf(maxLengthEdit)}, {"esoed", laneSpacingEdit, labelOf(laneSpacingEdit)}, {"eani", animationIntervalEdit, animateBox->text()},
    };

    connect(factorySizesButton, &QPushButton::clicked, this, &SettingsPanel::toggleFactorySizes);
    connect(settingsCloseButton, &QPushButton::clicked, this, &SettingsPanel::closeClicked);
}

void SettingsPanel::toggleFactorySizes()
{
    QLineEdit* const fields[] = {varWidthEdit, ifWidthEdit, forWidthEdit, whileWidthEdit, elseWidthEdit, beginWidthEdit, maxLengthEdit};
    if (factorySizesButton->isChecked()) {
        factorySizesButton->setText(kUndoCaption);
        for (int i = 0; i < 7; ++i) m_state.savedSizeTexts[static_cast<std::size_t>(i)] = fields[i]->text();
        const Settings factory;
        const QString values[] = {factory.varTextWidth, factory.ifTextWidth, factory.forTextWidth, factory.whileTextWidth,
                                  factory.elseTextWidth, factory.beginTextWidth, factory.maxChartLength};
        for (int i = 0; i < 7; ++i) fields[i]->setText(values[i]);
    } else {
        factorySizesButton->setText(kFactoryCaption);
        for (int i = 0; i < 7; ++i) fields[i]->setText(m_state.savedSizeTexts[static_cast<std::size_t>(i)]);
    }
}

void SettingsPanel::toSettings(Settings& s) const
{
    s.startInTray = startInTrayBox->isChecked();
    s.colourMode = colourBox->isChecked();
    s.choosePrinter = choosePrinterBox->isChecked();
    s.clearPictureInTray = clearInTrayBox->isChecked();
    s.debugMode = debugBox->isChecked();
    s.drawComments = drawCommentsBox->isChecked();
    s.reviewCommentsFirst = reviewCommentsBox->isChecked();
    s.addLegend = legendBox->isChecked();
    s.markPages = markPagesBox->isChecked();
    s.labelBreaks = labelBreaksBox->isChecked();
    s.animate = animateBox->isChecked();
    s.varTextWidth = varWidthEdit->text();
    s.ifTextWidth = ifWidthEdit->text();
    s.forTextWidth = forWidthEdit->text();
    s.whileTextWidth = whileWidthEdit->text();
    s.elseTextWidth = elseWidthEdit->text();
    s.beginTextWidth = beginWidthEdit->text();
    s.maxChartLength = maxLengthEdit->text();
    s.laneSpacing = laneSpacingEdit->text();
    s.animationIntervalMs = animationIntervalEdit->text();
}

void SettingsPanel::fromSettings(const Settings& s)
{
    startInTrayBox->setChecked(s.startInTray);
    colourBox->setChecked(s.colourMode);
    choosePrinterBox->setChecked(s.choosePrinter);
    clearInTrayBox->setChecked(s.clearPictureInTray);
    debugBox->setChecked(s.debugMode);
    drawCommentsBox->setChecked(s.drawComments);
    reviewCommentsBox->setChecked(s.reviewCommentsFirst);
    legendBox->setChecked(s.addLegend);
    markPagesBox->setChecked(s.markPages);
    labelBreaksBox->setChecked(s.labelBreaks);
    animateBox->setChecked(s.animate);
    varWidthEdit->setText(s.varTextWidth);
    ifWidthEdit->setText(s.ifTextWidth);
    forWidthEdit->setText(s.forTextWidth);
    whileWidthEdit->setText(s.whileTextWidth);
    elseWidthEdit->setText(s.elseTextWidth);
    beginWidthEdit->setText(s.beginTextWidth);
    maxLengthEdit->setText(s.maxChartLength);
    laneSpacingEdit->setText(s.laneSpacing);
    animationIntervalEdit->setText(s.animationIntervalMs);
}

QString SettingsPanel::problemOf(const NumericField& field) const
{
    const NumericSetting& setting = numericSetting(field.key);
    const QString text = field.edit->text();
    const QString head = QStringLiteral("Настройки, поле «%1»: ").arg(field.label);
    const QString range = QStringLiteral("от %1 до %2").arg(setting.min).arg(setting.max);
    switch (settingFault(setting, text)) {
    case SettingFault::None: return {};
    case SettingFault::OutOfRange:
        return head + QStringLiteral("%1 — вне допустимых пределов, %2.").arg(shownSettingText(text), range);
    case SettingFault::NotInteger:
        if (text.trimmed().isEmpty()) return head + QStringLiteral("пусто. Нужно целое число %1.").arg(range);
        return head + QStringLiteral("«%1» — не целое число. Нужно целое число %2.").arg(shownSettingText(text), range);
    }
    return {};
}

QString SettingsPanel::valueProblem(const char* key) const
{
    for (const NumericField& field : m_numeric)
        if (qstrcmp(field.key, key) == 0) return problemOf(field);
    return {};
}

QString SettingsPanel::buildValueProblem() const
{
    for (const NumericField& field : m_numeric) {
        if (!numericSetting(field.key).readByBuild) continue;
        const QString problem = problemOf(field);
        if (!problem.isEmpty()) return problem;
    }
    return {};
}

QString SettingsPanel::refuseUnusableValue()
{
    for (const NumericField& field : m_numeric) {
        const QString problem = problemOf(field);
        if (problem.isEmpty()) continue;
        field.edit->setFocus();
        field.edit->selectAll();
        return problem;
    }
    return {};
}

} // namespace vexoria
