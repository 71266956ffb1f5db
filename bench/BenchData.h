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

} // namespace vorkast::bench
