#include "app/SettingsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/core/SettingLimits.h"

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

SettingsPanel::SettingsPanel(BuildContext& ctx, QWidget* parent) : QFrame(parent), m_ctx(ctx)
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

    CheckBox1 = checkBox("CheckBox1", QStringLiteral("При запуске в трей"), start.checkbox1, this);
    CBcvet = checkBox("CBcvet", QStringLiteral("Цветная"), start.cbcvet, this);
    CBprint = checkBox("CBprint", QStringLiteral("Диалог выбора принтера"), start.cbprint, this);
    CBoch = checkBox("CBoch", QStringLiteral("Сбросить графику в трее"), start.cboch, this);
    CBotl = checkBox("CBotl", QStringLiteral("Отладка"), start.cbotl, this);
    Cbdobkom = checkBox("Cbdobkom", QStringLiteral("Добавлять комментарии"), start.cbdobkom, this);
    Cbpredkom = checkBox("Cbpredkom", QStringLiteral("Смотреть комментари"), start.cbpredkom, this);
    Cblegend = checkBox("Cblegend", QStringLiteral("Добавить легенду"), start.cblegend, this);
    Cbraz = checkBox("Cbraz", QStringLiteral("Разметка страниц"), start.cbraz, this);
    Cbpod = checkBox("Cbpod", QStringLiteral("Подписывать разрывы"), start.cbpod, this);
    Cbanime = checkBox("Cbanime", QStringLiteral("Анимация/скорость"), start.cbanime, this);
    // The debug switch is kept in the file only: it never shows on the panel.
    CBotl->setVisible(false);

    Ebeg = sizeEdit("Ebeg", start.ebeg, this);
    Eelse = sizeEdit("Eelse", start.eelse, this);
    Evar = sizeEdit("Evar", start.evar, this);
    Eif = sizeEdit("Eif", start.eif, this);
    Efor = sizeEdit("Efor", start.efor, this);
    Ewhile = sizeEdit("Ewhile", start.ewhile, this);
    Edlin = sizeEdit("Edlin", start.edlin, this);
    Esoed = sizeEdit("Esoed", start.esoed, this);
    Eani = sizeEdit("Eani", start.eani, this);

    SBnast = new QPushButton(kFactoryCaption, this);
    SBnast->setObjectName(QStringLiteral("SBnast"));
    SBnast->setCheckable(true);
    Button2 = new QPushButton(QStringLiteral("Закрыть"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto* checks = new QVBoxLayout;
    for (QCheckBox* b : {CheckBox1, CBcvet, CBprint, CBoch, Cbdobkom, Cbpredkom, Cblegend, Cbraz, Cbpod})
        checks->addWidget(b);
    auto* anim = new QHBoxLayout;
    anim->addWidget(Cbanime);
    anim->addWidget(Eani);
    anim->addStretch();
    checks->addLayout(anim);
    checks->addStretch();

    auto* sizes = new QGridLayout;
    sizes->addWidget(sizesCaption, 0, 0, 1, 2);
    const std::pair<QString, QLineEdit*> rows[] = {
        {QStringLiteral("Begin"), Ebeg},         {QStringLiteral("Else"), Eelse},
        {QStringLiteral("Var,Заголовок"), Evar}, {QStringLiteral("IF"), Eif},
        {QStringLiteral("For"), Efor},           {QStringLiteral("While"), Ewhile},
        {QStringLiteral("МАХ длинна"), Edlin},   {QStringLiteral("<> соединения"), Esoed},
    };
    int r = 1;
    for (const auto& [label, edit] : rows) {
        auto* l = new QLabel(label, this);
        l->setBuddy(edit);
        sizes->addWidget(l, r, 0);
        sizes->addWidget(edit, r, 1);
        ++r;
    }
    sizes->addWidget(SBnast, r, 0, 1, 2);
    sizes->setRowStretch(r + 1, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(checks);
    columns->addSpacing(16);
    columns->addLayout(sizes);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Button2);

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
        {"evar", Evar, labelOf(Evar)},   {"eif", Eif, labelOf(Eif)},       {"efor", Efor, labelOf(Efor)},
        {"ewhile", Ewhile, labelOf(Ewhile)}, {"eelse", Eelse, labelOf(Eelse)}, {"ebeg", Ebeg, labelOf(Ebeg)},
        {"edlin", Edlin, labelOf(Edlin)}, {"esoed", Esoed, labelOf(Esoed)}, {"eani", Eani, Cbanime->text()},
    };

    connect(SBnast, &QPushButton::clicked, this, &SettingsPanel::SBnastClick);
    connect(Button2, &QPushButton::clicked, this, &SettingsPanel::closeClicked);
}

void SettingsPanel::SBnastClick()
{
    QLineEdit* const fields[] = {Evar, Eif, Efor, Ewhile, Eelse, Ebeg, Edlin};
    if (SBnast->isChecked()) {
        SBnast->setText(kUndoCaption);
        for (int i = 0; i < 7; ++i) m_ctx.savedSizeTexts[static_cast<std::size_t>(i)] = fields[i]->text();
        const Settings factory;
        const QString values[] = {factory.evar, factory.eif, factory.efor, factory.ewhile,
                                  factory.eelse, factory.ebeg, factory.edlin};
        for (int i = 0; i < 7; ++i) fields[i]->setText(values[i]);
    } else {
        SBnast->setText(kFactoryCaption);
        for (int i = 0; i < 7; ++i) fields[i]->setText(m_ctx.savedSizeTexts[static_cast<std::size_t>(i)]);
    }
}

void SettingsPanel::toSettings(Settings& s) const
{
    s.checkbox1 = CheckBox1->isChecked();
    s.cbcvet = CBcvet->isChecked();
    s.cbprint = CBprint->isChecked();
    s.cboch = CBoch->isChecked();
    s.cbotl = CBotl->isChecked();
    s.cbdobkom = Cbdobkom->isChecked();
    s.cbpredkom = Cbpredkom->isChecked();
    s.cblegend = Cblegend->isChecked();
    s.cbraz = Cbraz->isChecked();
    s.cbpod = Cbpod->isChecked();
    s.cbanime = Cbanime->isChecked();
    s.evar = Evar->text();
    s.eif = Eif->text();
    s.efor = Efor->text();
    s.ewhile = Ewhile->text();
    s.eelse = Eelse->text();
    s.ebeg = Ebeg->text();
    s.edlin = Edlin->text();
    s.esoed = Esoed->text();
    s.eani = Eani->text();
}

void SettingsPanel::fromSettings(const Settings& s)
{
    CheckBox1->setChecked(s.checkbox1);
    CBcvet->setChecked(s.cbcvet);
    CBprint->setChecked(s.cbprint);
    CBoch->setChecked(s.cboch);
    CBotl->setChecked(s.cbotl);
    Cbdobkom->setChecked(s.cbdobkom);
    Cbpredkom->setChecked(s.cbpredkom);
    Cblegend->setChecked(s.cblegend);
    Cbraz->setChecked(s.cbraz);
    Cbpod->setChecked(s.cbpod);
    Cbanime->setChecked(s.cbanime);
    Evar->setText(s.evar);
    Eif->setText(s.eif);
    Efor->setText(s.efor);
    Ewhile->setText(s.ewhile);
    Eelse->setText(s.eelse);
    Ebeg->setText(s.ebeg);
    Edlin->setText(s.edlin);
    Esoed->setText(s.esoed);
    Eani->setText(s.eani);
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
