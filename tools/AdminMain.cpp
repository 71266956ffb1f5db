// vorkast-admin: creates the two database files, empty or with sample tests.
#include "DemoContent.h"

#include "data/ClassTables.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DatabaseFile.h"
#include "platform/DefaultLists.h"
#include "platform/PasswordHash.h"
#include "platform/TextFile.h"
#include "richtext/RtfWriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextDocument>

#include <cstdio>

using namespace vorkast;

namespace {

void exec(QSqlQuery &q)
{
    if (!q.exec())
        throw DataError(q.lastError().text());
}

QByteArray rtfOf(const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    return rtf::write(doc);
}

void addAdmin(Connection &results, const QString &login, const QString &password)
{
    QSqlQuery q(results.database());
    q.prepare(QStringLiteral("INSERT INTO pass (name, parol) VALUES (?, ?)"));
    q.addBindValue(login);
    q.addBindValue(PasswordHash::make(password));  // only a salted hash is stored
    exec(q);
}

void addDemoTests(Connection &tests)
{
    Transaction transaction(tests);
    for (const DemoTest &t : demoTests()) {
        QSqlQuery topic(tests.database());
        topic.prepare(QStringLiteral("INSERT INTO temy (tema, klass, predmet, vopr) VALUES (?, ?, ?, ?)"));
        topic.addBindValue(t.title);
        topic.addBindValue(t.klass);
        topic.addBindValue(t.subject);
        topic.addBindValue(QString::number(t.questions.size()));
        exec(topic);
        const QString table = classTableName(t.klass.toInt());
        for (const DemoQuestion &dq : t.questions) {
            QSqlQuery question(tests.database());
            question.prepare(QStringLiteral("INSERT INTO %1 (vopros, otvet1, otvet2, otvet3, otvet4, tema, predmet) "
                                            "VALUES (?, ?, ?, ?, ?, ?, ?)")
                                 .arg(table));
            for (const QString &html : {dq.question, dq.wrong1, dq.wrong2, dq.wrong3, dq.correct})
                question.addBindValue(rtfOf(html));
            question.addBindValue(t.title);
            question.addBindValue(t.subject);
            exec(question);
        }
    }
    transaction.commit();
}

int init(const QCommandLineParser &args)
{
    const QString testsPath = args.value(QStringLiteral("tests"));
    const QString resultsPath = args.value(QStringLiteral("results"));
    if (testsPath.isEmpty() || resultsPath.isEmpty()) {
        std::fprintf(stderr, "init needs --tests FILE and --results FILE\n");
        return 2;
    }
    for (const QString &p : {testsPath, resultsPath}) {
        if (QFileInfo::exists(p)) {
            std::fprintf(stderr, "%s already exists; nothing was changed\n", qPrintable(p));
            return 1;
        }
    }
    const QString login = args.value(QStringLiteral("admin"));
    const QString password = args.value(QStringLiteral("password"));

    createDatabaseFile(testsPath, DatabaseKind::Tests);
    try {
        createDatabaseFile(resultsPath, DatabaseKind::Results);
        Connection tests(DatabaseKind::Tests);
        tests.open(testsPath);
        Connection results(DatabaseKind::Results);
        results.open(resultsPath);
        addAdmin(results, login, password);
        if (args.isSet(QStringLiteral("demo")))
            addDemoTests(tests);
    } catch (...) {
        QFile::remove(testsPath);
        QFile::remove(resultsPath);
        throw;
    }
    std::printf("Created %s and %s\nAdministrator login: %s\nAdministrator password: %s\n", qPrintable(testsPath),
                qPrintable(resultsPath), qPrintable(login), qPrintable(password));
    return 0;
}

// Writes the default subject and class lists into a folder where they are missing.
int writeLists(const QString &dir)
{
    const QList<QPair<QString, QStringList>> files = {{QStringLiteral("list.rfg"), defaultSubjectList()},
                                                      {QStringLiteral("klass.rfg"), defaultClassList()}};
    for (const auto &[name, lines] : files) {
        const QString path = QDir(dir).filePath(name);
        if (!QFileInfo::exists(path)) {
            writeLinesFile(path, lines);
            std::printf("Created %s\n", qPrintable(path));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Creates Vorkast databases."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("init | lists DIR"));
    parser.addOption({QStringLiteral("tests"), QStringLiteral("Tests database file to create."), QStringLiteral("FILE")});
    parser.addOption(
        {QStringLiteral("results"), QStringLiteral("Results database file to create."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("admin"), QStringLiteral("Administrator login."), QStringLiteral("LOGIN"),
                      QStringLiteral("admin")});
    parser.addOption({QStringLiteral("password"), QStringLiteral("Administrator password."), QStringLiteral("PASS"),
                      QStringLiteral("admin")});
    parser.addOption({QStringLiteral("demo"), QStringLiteral("Add sample tests.")});
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    if (command != QLatin1String("init") && !(command == QLatin1String("lists") && positional.size() == 2)) {
        std::fprintf(stderr, "usage: vorkast-admin init --tests FILE --results FILE [--admin LOGIN --password PASS] "
                             "[--demo]\n       vorkast-admin lists DIR\n");
        return 2;
    }
    try {
        return command == QLatin1String("lists") ? writeLists(positional.at(1)) : init(parser);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
