#include "AppFixture.h"

#include "data/ClassTables.h"
#include "data/DatabaseFile.h"
#include "data/DataError.h"
#include "platform/DefaultLists.h"
#include "platform/TextFile.h"
#include "richtext/RtfWriter.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QTextDocument>

namespace vorkast::test {

namespace {
QAtomicInt g_fixtures;
}

AppFixture::AppFixture()
    : m_connectionPrefix(QStringLiteral("fixture-%1-").arg(g_fixtures.fetchAndAddRelaxed(1)))
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("work"));
    binDir = root.filePath(QStringLiteral("bin"));
    workDir = root.filePath(QStringLiteral("work"));
    testsPath = root.filePath(QStringLiteral("testy.tsb"));
    resultsPath = root.filePath(QStringLiteral("resultaty.tsb"));
    createDatabaseFile(testsPath, DatabaseKind::Tests);
    createDatabaseFile(resultsPath, DatabaseKind::Results);
    writeConfig(resultsPath, testsPath);
    writeLists(defaultSubjectList(), defaultClassList());
}

AppFixture::~AppFixture()
{
    app.reset();
    for (const char *kind : {"tests", "results"}) {
        const QString name = m_connectionPrefix + QLatin1String(kind);
        if (QSqlDatabase::contains(name)) {
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }
    }
}

void AppFixture::writeConfig(const QString &path1, const QString &path2)
{
    QByteArray ini = "[ConnectionString]\r\n";
    if (!path1.isEmpty())
        ini += "Path1=" + path1.toUtf8() + "\r\n";
    if (!path2.isEmpty())
        ini += "Path2=" + path2.toUtf8() + "\r\n";
    QFile f(QDir(binDir).filePath(QStringLiteral("config.ini")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(ini);
}

void AppFixture::removeConfig()
{
    QFile::remove(QDir(binDir).filePath(QStringLiteral("config.ini")));
}

void AppFixture::writeLists(const QStringList &subjects, const QStringList &classes)
{
    writeLinesFile(QDir(workDir).filePath(QStringLiteral("list.rfg")), subjects);
    writeLinesFile(QDir(workDir).filePath(QStringLiteral("klass.rfg")), classes);
}

void AppFixture::removeLists()
{
    QFile::remove(QDir(workDir).filePath(QStringLiteral("list.rfg")));
    QFile::remove(QDir(workDir).filePath(QStringLiteral("klass.rfg")));
}

void AppFixture::writeWorkFile(const QString &name, const QByteArray &bytes)
{
    QFile f(QDir(workDir).filePath(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

VorkastApp &AppFixture::start()
{
    app = std::make_unique<VorkastApp>(AppPaths{binDir, workDir}, dialogs, opener);
    app->start();
    return *app;
}

QSqlDatabase AppFixture::database(DatabaseKind kind)
{
    const QString name = m_connectionPrefix + (kind == DatabaseKind::Tests ? "tests" : "results");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    db.setDatabaseName(kind == DatabaseKind::Tests ? testsPath : resultsPath);
    if (!db.open())
        qFatal("fixture database: %s", qPrintable(db.lastError().text()));
    return db;
}

QSqlQuery AppFixture::sql(DatabaseKind kind, const QString &statement, const QVariantList &values)
{
    QSqlQuery q(database(kind));
    if (!q.prepare(statement))
        qFatal("fixture sql: %s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("fixture sql: %s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    return q;
}

QVariantList AppFixture::column(DatabaseKind kind, const QString &statement, const QVariantList &values)
{
    QSqlQuery q = sql(kind, statement, values);
    QVariantList out;
    while (q.next())
        out << q.value(0);
    return out;
}

qint64 AppFixture::addTopic(const QString &title, const QString &klass, const QString &subject, const QString &vopr)
{
    return sql(DatabaseKind::Tests, QStringLiteral("INSERT INTO temy (tema, klass, predmet, vopr) VALUES (?, ?, ?, ?)"),
               {title, klass, subject, vopr.isNull() ? QVariant() : QVariant(vopr)})
        .lastInsertId()
        .toLongLong();
}

qint64 AppFixture::addQuestion(const QString &klass, const QString &title, const QString &subject,
                               const QStringList &texts)
{
    QVariantList values;
    for (int i = 0; i < 5; ++i) {
        QTextDocument doc;
        doc.setPlainText(texts.value(i));
        values << rtf::write(doc);
    }
    values << title << subject;
    const QString table = classTableName(klass.toInt());
    return sql(DatabaseKind::Tests,
               QStringLiteral("INSERT INTO %1 (vopros, otvet1, otvet2, otvet3, otvet4, tema, predmet) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?)")
                   .arg(table),
               values)
        .lastInsertId()
        .toLongLong();
}

qint64 AppFixture::addTest(const QString &title, const QString &klass, const QString &subject, int count)
{
    const qint64 key = addTopic(title, klass, subject, QString::number(count));
    for (int i = 1; i <= count; ++i) {
        addQuestion(klass, title, subject,
                    {QStringLiteral("Вопрос %1").arg(i), QStringLiteral("Неверно %1.1").arg(i),
                     QStringLiteral("Неверно %1.2").arg(i), QStringLiteral("Неверно %1.3").arg(i),
                     QStringLiteral("Верно %1").arg(i)});
    }
    return key;
}

qint64 AppFixture::addAdmin(const QString &login, const QString &password)
{
    return sql(DatabaseKind::Results, QStringLiteral("INSERT INTO pass (name, parol) VALUES (?, ?)"),
               {login, password})
        .lastInsertId()
        .toLongLong();
}

} // namespace vorkast::test
