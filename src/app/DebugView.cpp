#include "app/DebugView.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "analysis/TstrokExport.h"
#include "app/CommentsGrid.h"
#include "app/Uvexoria.h"
#include "platform/core/SettingsFile.h"

namespace vexoria {

DebugView::DebugView(TMyform& form) : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("DebugView"));
    form.ComboBox1->setEnabled(true);
    connect(form.ComboBox1, &QComboBox::textActivated, this, &DebugView::ComboBox1Change);
}

QString DebugView::databasePath() const
{
    // Beside the shema.ini in use; where its folder cannot be written,
    // beside the one the window writes.
    const QFileInfo ini(m_form.settingsPath());
    return strokaDbPath(QFileInfo(ini.absolutePath()).isWritable() ? ini.absoluteFilePath() : settingsWritePath());
}

void DebugView::showStatements()
{
    CommentsGridView* grid = m_form.DBGrid1;
    grid->raise();
    grid->show();
    grid->bindTable(&m_form.workspace().tstrok, CommentsGridView::Columns::All);
}

void DebugView::closeGrid()
{
    CommentsGridView* grid = m_form.DBGrid1;
    grid->unbind();
    grid->stackUnder(m_form.Rekod);
    grid->hide();
    // The navigator has nothing to move over once the grid is gone.
    m_form.DBNavigator1->hide();
}

void DebugView::ComboBox1Change(const QString& text)
{
    Tstrok& t = m_form.workspace().tstrok;
    CommentsGridView* grid = m_form.DBGrid1;
    // Every choice first shows the statement table.
    showStatements();
    if (text == u"N") {
        t.sortBy([](const StrokRow& r) { return r.n; });
    } else if (text == u"NOM") {
        t.sortBy([](const StrokRow& r) { return r.nom; });
    } else if (text == u"FILTR") {
        t.sortBy([](const StrokRow& r) { return r.filtr; });
        t.locate([](const StrokRow& r) { return r.filtr && *r.filtr == 0; });
    } else if (text == u"Закрыть") {
        closeGrid();
        return;
    } else if (text == u"Стрелка") {
        grid->bindConnections(&m_form.workspace().tstrelka);
        return;
    } else if (text == u"Комминт") {
        t.sortBy([](const StrokRow& r) { return r.nom; });
        grid->bindTable(&t, CommentsGridView::Columns::Comments);
        m_form.DBNavigator1->show();
        m_form.DBNavigator1->raise();
    } else if (text == u"Запись") {
        Zapis();
    }
    grid->refresh();
}

void DebugView::Zapis()
{
    QString error;
    if (exportStroka(m_form.workspace().tstrok, databasePath(), &error))
        m_form.workspace().prompter->message(QStringLiteral("ok"));
    else
        m_form.workspace().prompter->message(error);
}

} // namespace vexoria
