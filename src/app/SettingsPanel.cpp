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

QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLineEdit* sizeEdit(const char* name, QWidget* parent)
{
    auto* e = new QLineEdit(parent);
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

    title = new QLabel(QStringLiteral("Настройки"), this);
    QFont tf = title->font();
    tf.setBold(true);
    title->setFont(tf);
    sizesCaption = new QLabel(QStringLiteral("Размеры блоков"), this);

    startInTrayBox = checkBox("CheckBox1", QStringLiteral("При запуске в трей"), this);
    colourBox = checkBox("CBcvet", QStringLiteral("Цветная"), this);
    choosePrinterBox = checkBox("CBprint", QStringLiteral("Диалог выбора принтера"), this);
    clearInTrayBox = checkBox("CBoch", QStringLiteral("Сбросить графику в трее"), this);
    debugBox = checkBox("CBotl", QStringLiteral("Отладка"), this);
    drawCommentsBox = checkBox("Cbdobkom", QStringLiteral("Добавлять комментарии"), this);
    reviewCommentsBox = checkBox("Cbpredkom", QStringLiteral("Смотреть комментари"), this);
    legendBox = checkBox("Cblegend", QStringLiteral("Добавить легенду"), this);
    markPagesBox = checkBox("Cbraz", QStringLiteral("Разметка страниц"), this);
    labelBreaksBox = checkBox("Cbpod", QStringLiteral("Подписывать разрывы"), this);
    animateBox = checkBox("Cbanime", QStringLiteral("Анимация/скорость"), this);
    // The debug switch is kept in the file only: it never shows on the panel.
    debugBox->setVisible(false);

    beginWidthEdit = sizeEdit("Ebeg", this);
    elseWidthEdit = sizeEdit("Eelse", this);
    varWidthEdit = sizeEdit("Evar", this);
    ifWidthEdit = sizeEdit("Eif", this);
    forWidthEdit = sizeEdit("Efor", this);
    whileWidthEdit = sizeEdit("Ewhile", this);
    maxLengthEdit = sizeEdit("Edlin", this);
    laneSpacingEdit = sizeEdit("Esoed", this);
    animationIntervalEdit = sizeEdit("Eani", this);

    factorySizesButton = new QPushButton(kFactoryCaption, this);
    factorySizesButton->setObjectName(QStringLiteral("SBnast"));
    factorySizesButton->setCheckable(true);
    settingsCloseButton = new QPushButton(QStringLiteral("Закрыть"), this);
    settingsCloseButton->setObjectName(QStringLiteral("Button2"));

    auto* checks = new QVBoxLayout;
    for (QCheckBox* b : {startInTrayBox, colourBox, choosePrinterBox, clearInTrayBox, drawCommentsBox,
                         reviewCommentsBox, legendBox, markPagesBox, labelBreaksBox})
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
        {QStringLiteral("Begin"), beginWidthEdit},       {QStringLiteral("Else"), elseWidthEdit},
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

    // Each control is named after the key that keeps its value (the key is
    // its name in lower case). The animation speed has no label of its own:
    // its check box names it.
    const auto labelOf = [&rows, this](QLineEdit* edit) {
        for (const auto& [label, e] : rows)
            if (e == edit) return label;
        return animateBox->text();
    };
    const auto named = [](const QWidget* w, const SettingKey& k) {
        return w->objectName().compare(QLatin1String(k.key), Qt::CaseInsensitive) == 0;
    };
    for (const SettingKey& k : settingKeys()) {
        if (k.type == SettingKey::Type::Flag)
            for (QCheckBox* box : findChildren<QCheckBox*>())
                if (named(box, k)) m_fields.push_back({&k, box, nullptr, box->text()});
        if (k.type == SettingKey::Type::Text)
            for (QLineEdit* edit : findChildren<QLineEdit*>())
                if (named(edit, k)) m_fields.push_back({&k, nullptr, edit, labelOf(edit)});
    }
    fromSettings(Settings{});

    connect(factorySizesButton, &QPushButton::clicked, this, &SettingsPanel::toggleFactorySizes);
    connect(settingsCloseButton, &QPushButton::clicked, this, &SettingsPanel::closeClicked);
}

void SettingsPanel::toggleFactorySizes()
{
    QLineEdit* const fields[] = {varWidthEdit,  ifWidthEdit,    forWidthEdit, whileWidthEdit,
                                 elseWidthEdit, beginWidthEdit, maxLengthEdit};
    if (factorySizesButton->isChecked()) {
        factorySizesButton->setText(kUndoCaption);
        for (int i = 0; i < 7; ++i) m_state.savedSizeTexts[static_cast<std::size_t>(i)] = fields[i]->text();
        const Settings factory;
        const QString values[] = {factory.varTextWidth,   factory.ifTextWidth,   factory.forTextWidth,
                                  factory.whileTextWidth, factory.elseTextWidth, factory.beginTextWidth,
                                  factory.maxChartLength};
        for (int i = 0; i < 7; ++i) fields[i]->setText(values[i]);
    } else {
        factorySizesButton->setText(kFactoryCaption);
        for (int i = 0; i < 7; ++i) fields[i]->setText(m_state.savedSizeTexts[static_cast<std::size_t>(i)]);
    }
}

void SettingsPanel::toSettings(Settings& s) const
{
    for (const Field& f : m_fields) {
        if (f.box) s.*(f.key->flag) = f.box->isChecked();
        else s.*(f.key->text) = f.edit->text();
    }
}

void SettingsPanel::fromSettings(const Settings& s)
{
    for (const Field& f : m_fields) {
        if (f.box) f.box->setChecked(s.*(f.key->flag));
        else f.edit->setText(s.*(f.key->text));
    }
}

QString SettingsPanel::problemOf(const Field& field) const
{
    const NumericSetting& setting = *field.key;
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
    for (const Field& field : m_fields)
        if (field.key->ranged && qstrcmp(field.key->key, key) == 0) return problemOf(field);
    return {};
}

QString SettingsPanel::buildValueProblem() const
{
    for (const Field& field : m_fields) {
        if (!field.key->ranged || !field.key->readByBuild) continue;
        const QString problem = problemOf(field);
        if (!problem.isEmpty()) return problem;
    }
    return {};
}

QString SettingsPanel::refuseUnusableValue()
{
    for (const Field& field : m_fields) {
        if (!field.key->ranged) continue;
        const QString problem = problemOf(field);
        if (problem.isEmpty()) continue;
        field.edit->setFocus();
        field.edit->selectAll();
        return problem;
    }
    return {};
}

} // namespace vexoria
