#pragma once

#include "FakeDialogs.h"
#include "FakeUrlOpener.h"

#include "app/VorkastApp.h"
#include "data/Schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>

namespace vorkast::test {

// A temporary installation: bin/ with config.ini, work/ with the list files, fresh
// tests and results databases, fake dialogs and URL opener, and the program over them.
class AppFixture {
public:
    AppFixture();
    ~AppFixture();

    QString root() const { return m_dir.path(); }
    QString binDir;
    QString workDir;
    QString testsPath;
    QString resultsPath;
    FakeDialogs dialogs;
    FakeUrlOpener opener;
    std::unique_ptr<VorkastApp> app;

    // config.ini with Path1 and Path2 (an empty path leaves its key out).
    void writeConfig(const QString &path1, const QString &path2);
    void removeConfig();
    void writeLists(const QStringList &subjects, const QStringList &classes);
    void removeLists();
    void writeWorkFile(const QString &name, const QByteArray &bytes);

    // Creates the program over the fixture and runs its start-up.
    VorkastApp &start();
    AppContext &context() { return app->context(); }

    // Direct SQL on a fixture database with bound values, for seeding and checking.
    QSqlQuery sql(DatabaseKind kind, const QString &statement, const QVariantList &values = {});
    QVariantList column(DatabaseKind kind, const QString &statement, const QVariantList &values = {});

    qint64 addTopic(const QString &title, const QString &klass, const QString &subject, const QString &vopr);
    // A question whose five texts are plain texts stored as RTF.
    qint64 addQuestion(const QString &klass, const QString &title, const QString &subject,
                       const QStringList &texts);
    // A test with `count` questions "Вопрос i" with answers "Неверно i.1".."Верно i".
    qint64 addTest(const QString &title, const QString &klass, const QString &subject, int count);
    qint64 addAdmin(const QString &login, const QString &password);

private:
    QSqlDatabase database(DatabaseKind kind);

    QTemporaryDir m_dir;
    QString m_connectionPrefix;
};

// The child of `root` with the object name `name`; fails the test when missing.
template <typename T>
T *child(QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

} // namespace vorkast::test
