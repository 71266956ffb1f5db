#pragma once

#include <QDir>
#include <QString>

namespace vorkast::bench {

constexpr int kTopics = 10000;
constexpr int kQuestionsPerTopic = 15;
constexpr int kResults = 100000;

inline QString testsPath(const QString &dir)
{
    return QDir(dir).filePath(QStringLiteral("testy.tsb"));
}

inline QString resultsPath(const QString &dir)
{
    return QDir(dir).filePath(QStringLiteral("resultaty.tsb"));
}

// Reads every row of a statement with SQLite's C API, each column as a QString as a grid
// needs them (except `skipColumn`); the baseline our own reading is measured against.
int rawRows(const QString &path, const QString &sql, int skipColumn = -1);

} // namespace vorkast::bench
