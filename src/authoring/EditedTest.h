#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace vorkast {

// A test as the editor holds it: the key of its TopicRow and the values that tie its
// questions to it (class table, subject, title).
struct EditedTest {
    qint64 topicKey = 0;
    QString table;    // ClassTable of its class
    QString klass;
    QString subject;  // predmet of the TopicRow
    QString title;    // tema of the TopicRow
};

// The statement that lists one test's questions from its class table, in stored order.
// Subject and title are compared exactly: two tests may differ only in letter case.
inline QStringList topicQuestionsStatement(const QString &table)
{
    return {QStringLiteral("select * from ") + table, QStringLiteral("where (predmet = :predmet) and (tema = :tema)")};
}

inline QVariantMap topicQuestionsValues(const QString &subject, const QString &title)
{
    return {{QStringLiteral("predmet"), subject}, {QStringLiteral("tema"), title}};
}

} // namespace vorkast
