#include "tables/StatementExport.h"

#include <atomic>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "platform/files/OutputFile.h"

namespace vexoria {

namespace {

const char* const kCreateTable =
    "CREATE TABLE IF NOT EXISTS stroka (N DOUBLE, Nom DOUBLE, Stroka VARCHAR(120), Uslovie BOOLEAN, "
    "Obiect VARCHAR(10), Suslovie VARCHAR(50), X SMALLINT, Y SMALLINT, Plx SMALLINT, Ply SMALLINT, "
    "Endobiect VARCHAR(10), No SMALLINT)";
const char* const kInsert =
    "INSERT INTO stroka (N, Nom, Stroka, Uslovie, Obiect, Suslovie, X, Y, Plx, Ply, Endobiect, No) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// How long to wait for another program's lock before giving up.
const char* const kConnectOptions = "QSQLITE_BUSY_TIMEOUT=500";

QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("cannot write %1: %2").arg(path, reason);
}

// A whole number as the field holds it. The coordinates are kept whole even
// where a long chart takes them past 16 bits: a wrapped y would be worse
// than a wide one.
QVariant number(const IntField& f) { return f ? QVariant(*f) : QVariant(); }
QVariant real(const IntField& f) { return f ? QVariant(double(*f)) : QVariant(); }

template <int W>
QVariant text(const TextField<W>& f, int width)
{
    return f.isSet() ? QVariant(f.str().left(width)) : QVariant();
}

// The storage's own words for what went wrong ("database is locked"),
// without Qt's addition of which call failed.
QString reasonOf(const QSqlError& e)
{
    const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

// Every connection has a name of its own: the window and a test, or two
// windows' exports, must never share one.
QString connectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("vexoria-stroka-export-%1").arg(++counter);
}

// The work inside one open connection; returns the storage's reason on
// failure, after rolling back.
QString fill(QSqlDatabase& db, StatementTable& statements)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"))) return reasonOf(q.lastError());
    // Taking the write lock now, before anything is read: a database in use
    // elsewhere is refused here, untouched.
    if (!q.exec(QStringLiteral("BEGIN EXCLUSIVE"))) return reasonOf(q.lastError());
    auto rollback = [&db](const QString& reason) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return reason;
    };
    if (!q.exec(QLatin1String(kCreateTable)) || !q.exec(QStringLiteral("DELETE FROM stroka")))
        return rollback(reasonOf(q.lastError()));
    if (!q.prepare(QLatin1String(kInsert))) return rollback(reasonOf(q.lastError()));

    statements.first();
    int n = 0;
    for (const StatementRow& r : statements.rows()) {
        q.addBindValue(double(n++));
        q.addBindValue(real(r.drawOrder));
        q.addBindValue(text(r.text, 120));
        q.addBindValue(r.opensBlock ? QVariant(*r.opensBlock) : QVariant());
        q.addBindValue(text(r.kind, 10));
        q.addBindValue(text(r.headText, 50));
        q.addBindValue(number(r.x));
        q.addBindValue(number(r.y));
        q.addBindValue(number(r.stretchX));
        q.addBindValue(number(r.stretchY));
        q.addBindValue(text(r.closedKind, 10));
        q.addBindValue(number(r.link));
        if (!q.exec()) return rollback(reasonOf(q.lastError()));
    }
    if (!q.exec(QStringLiteral("COMMIT"))) return rollback(reasonOf(q.lastError()));
    return {};
}

QString writeDatabase(StatementTable& statements, const QString& path)
{
    const QString name = connectionName();
    QString reason;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!db.isValid()) {
            reason = QStringLiteral("the SQLite driver of Qt is not installed");
        } else {
            db.setDatabaseName(path);
            db.setConnectOptions(QLatin1String(kConnectOptions));
            if (!db.open()) reason = reasonOf(db.lastError());
            else reason = fill(db, statements);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return reason;
}

// A database file can only be written in place; for a stream it is made
// in a temporary folder and its bytes are sent.
bool exportToStream(StatementTable& statements, const QString& path, QString* error)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        if (error) *error = failure(path, dir.errorString());
        return false;
    }
    const QString file = dir.filePath(QStringLiteral("stroka.db"));
    const QString reason = writeDatabase(statements, file);
    if (!reason.isEmpty()) {
        if (error) *error = failure(path, reason);
        return false;
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = failure(path, f.errorString());
        return false;
    }
    return writeOutputBytes(path, f.readAll(), error);
}

} // namespace

QString statementDatabasePath(const QString& settingsPath)
{
    return QFileInfo(settingsPath).absoluteDir().filePath(QStringLiteral("shema/stroka.db"));
}

bool exportStatementTable(StatementTable& statements, const QString& path, QString* error)
{
    if (isStreamTarget(path)) return exportToStream(statements, path, error);

    const QFileInfo info(path);
    if (info.isDir()) {
        if (error) *error = failure(path, QStringLiteral("it is a folder"));
        return false;
    }
    const bool existed = info.exists();
    if (!existed && !QDir().mkpath(info.absolutePath())) {
        if (error) *error = failure(path, QStringLiteral("cannot make the folder %1").arg(info.absolutePath()));
        return false;
    }
    const QString reason = writeDatabase(statements, path);
    if (reason.isEmpty()) return true;
    // A database that was made for this export and then failed is not left
    // behind empty.
    if (!existed) QFile::remove(path);
    if (error) *error = failure(path, reason);
    return false;
}

} // namespace vexoria
