#include "app/DebugView.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "tables/StatementExport.h"
#include "app/CodeTab.h"
#include "app/CommentsGrid.h"
#include "app/MainWindow.h"
#include "platform/settings/SettingsFile.h"

namespace vexoria {

DebugView::DebugView(MainWindow& form, CodeTab& tab) : QObject(&form), m_form(form), m_tab(tab)
{
    setObjectName(QStringLiteral("DebugView"));
    tab.debugTableChoice()->setEnabled(true);
    connect(tab.debugTableChoice(), &QComboBox::textActivated, this, &DebugView::showTable);
}

QString DebugView::databasePath() const
{
    // Beside the shema.ini in use; where its folder cannot be written,
    // beside the one the window writes.
    const QFileInfo ini(m_form.settingsPath());
    return statementDatabasePath(QFileInfo(ini.absolutePath()).isWritable() ? ini.absoluteFilePath()
                                                                            : settingsWritePath());
}

void DebugView::showStatements()
{
    CommentsGridView* grid = m_tab.commentsGrid();
    grid->raise();
    grid->show();
    grid->bindTable(&m_form.workspace().statements, CommentsGridView::Columns::All);
}

void DebugView::closeGrid()
{
    CommentsGridView* grid = m_tab.commentsGrid();
    grid->unbind();
    grid->stackUnder(m_tab.editor());
    grid->hide();
    // The navigator has nothing to move over once the grid is gone.
    m_tab.gridNavigator()->hide();
}

void DebugView::showTable(const QString& text)
{
    StatementTable& t = m_form.workspace().statements;
    CommentsGridView* grid = m_tab.commentsGrid();
    // Every choice first shows the statement table.
    showStatements();
    if (text == u"N") {
        t.sortBy([](const StatementRow& r) { return r.n; });
    } else if (text == u"NOM") {
        t.sortBy([](const StatementRow& r) { return r.drawOrder; });
    } else if (text == u"FILTR") {
        t.sortBy([](const StatementRow& r) { return r.kindIndex; });
        t.locate([](const StatementRow& r) { return r.kindIndex && *r.kindIndex == 0; });
    } else if (text == u"Закрыть") {
        closeGrid();
        return;
    } else if (text == u"Стрелка") {
        grid->bindConnections(&m_form.workspace().connections);
        return;
    } else if (text == u"Комминт") {
        t.sortBy([](const StatementRow& r) { return r.drawOrder; });
        grid->bindTable(&t, CommentsGridView::Columns::Comments);
        m_tab.gridNavigator()->show();
        m_tab.gridNavigator()->raise();
    } else if (text == u"Запись") {
        writeDatabase();
    }
    grid->refresh();
}

void DebugView::writeDatabase()
{
    QString error;
    if (exportStatementTable(m_form.workspace().statements, databasePath(), &error))
        m_form.workspace().prompter->message(QStringLiteral("ok"));
    else m_form.workspace().prompter->message(error);
}

} // namespace vexoria
