// Generates the large databases the measures run on.
#include "Bench.h"
#include "BenchData.h"

#include "data/ClassTables.h"
#include "data/Connection.h"
#include "data/DatabaseFile.h"
#include "platform/DefaultLists.h"
#include "richtext/RtfWriter.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextDocument>

#include <sqlite3.h>

#include <stdexcept>

using namespace vorkast;
using namespace vorkast::bench;

namespace {

void exec(QSqlQuery &q)
{
    if (!q.exec())
        throw std::runtime_error(q.lastError().text().toStdString());
}

QByteArray rtfText(const QString &text)
{
    QTextDocument doc;
    doc.setPlainText(text);
    return rtf::write(doc);
}

const QStringList kSurnames{"Иванов", "Петрова", "Сидоров", "Ахметова", "Нурланов", "Ким", "Смирнова", "Кузнецов",
                            "Попова", "Васильев", "Жумабаев", "Оспанова", "Ли", "Морозов", "Волкова", "Соколов"};
const QStringList kNames{"Айгерим", "Данияр", "Мария", "Иван", "Алия", "Тимур", "Анна", "Ерлан", "Ольга", "Максим"};

void generateTests(const QString &dir)
{
    const QString path = testsPath(dir);
    QFile::remove(path);
    createDatabaseFile(path, DatabaseKind::Tests);
    Connection c(DatabaseKind::Tests);
    c.open(path);
    const QStringList subjects = defaultSubjectList();
    const QByteArray question = rtfText(QStringLiteral("Какое из утверждений о данном явлении верно? Выберите ответ."));
    const QByteArray answer = rtfText(QStringLiteral("Вариант ответа"));
    Transaction t(c);
    QSqlQuery topic(c.database());
    topic.prepare(QStringLiteral("INSERT INTO temy (tema, klass, predmet, vopr) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < kTopics; ++i) {
        const int klass = 1 + i % 11;
        const QString title = QStringLiteral("Тема номер %1").arg(i);
        const QString subject = subjects.at(i % subjects.size());
        topic.addBindValue(title);
        topic.addBindValue(QString::number(klass));
        topic.addBindValue(subject);
        topic.addBindValue(QString::number(kQuestionsPerTopic));
        exec(topic);
        QSqlQuery q(c.database());
        q.prepare(QStringLiteral("INSERT INTO %1 (vopros, otvet1, otvet2, otvet3, otvet4, tema, predmet) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)")
                      .arg(classTableName(klass)));
        for (int k = 0; k < kQuestionsPerTopic; ++k) {
            for (const QByteArray &b : {question, answer, answer, answer, answer})
                q.addBindValue(b);
            q.addBindValue(title);
            q.addBindValue(subject);
            exec(q);
        }
    }
    t.commit();
}

void generateResults(const QString &dir)
{
    const QString path = resultsPath(dir);
    QFile::remove(path);
    createDatabaseFile(path, DatabaseKind::Results);
    Connection c(DatabaseKind::Results);
    c.open(path);
    const QStringList subjects = defaultSubjectList();
    Transaction t(c);
    QSqlQuery admin(c.database());
    admin.prepare(QStringLiteral("INSERT INTO pass (name, parol) VALUES ('admin', 'admin')"));
    exec(admin);
    QSqlQuery q(c.database());
    q.prepare(QStringLiteral("INSERT INTO result (FI, Klass, Test, Ocenka, Data, predmet, prav, results, galka, "
                             "vremya, proc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < kResults; ++i) {
        const QString fi = kSurnames.at(i % kSurnames.size()) + QLatin1Char(' ') + kNames.at((i / 7) % kNames.size());
        const QString klass = QString::number(1 + i % 11);
        const QString subject = subjects.at(i % subjects.size());
        const int correct = i % 11;
        const QString date = QStringLiteral("%1.%2.20%3")
                                 .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                 .arg(1 + (i / 28) % 12, 2, 10, QLatin1Char('0'))
                                 .arg(14 + i % 10);
        QString report = QStringLiteral("Тестирование по предмету: %1\r\nУченика (цы) %2 класса %3\r\n\r\n")
                             .arg(subject, klass, fi);
        for (int k = 1; k <= 10; ++k)
            report += QStringLiteral("%1. %2) %3\r\n").arg(k).arg(QChar('a' + k % 4)).arg(k <= correct ? "+" : " ");
        q.addBindValue(fi);
        q.addBindValue(klass);
        q.addBindValue(QStringLiteral("Тема номер %1").arg(i % kTopics));
        q.addBindValue(QString::number(2 + correct * 3 / 10));
        q.addBindValue(date);
        q.addBindValue(subject);
        q.addBindValue(QStringLiteral("%1 из 10").arg(correct));
        q.addBindValue(report.toUtf8());
        q.addBindValue(0);
        q.addBindValue(QStringLiteral("%1:%2:%3").arg(8 + i % 8, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0')).arg((i * 7) % 60, 2, 10, QLatin1Char('0')));
        q.addBindValue(correct * 10);
        exec(q);
    }
    t.commit();
}

RegisterGenerator tests("1-tests", generateTests);
RegisterGenerator results("2-results", generateResults);

} // namespace

namespace vorkast::bench {

int rawRows(const QString &path, const QString &sql, int skipColumn)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw std::runtime_error("open failed");
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error(message);
    }
    std::vector<std::vector<QString>> rows;
    const int n = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<QString> row(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            if (i == skipColumn)
                continue;
            const void *text = sqlite3_column_text16(stmt, i);
            row[static_cast<size_t>(i)] = QString::fromUtf16(static_cast<const char16_t *>(text),
                                                              sqlite3_column_bytes16(stmt, i) / 2);
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return static_cast<int>(rows.size());
}

} // namespace vorkast::bench
