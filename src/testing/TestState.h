#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vorkast {

// The testing window's state of the running test; it lives for the whole run, so the
// chosen topic, class and subject carry over to the next pupil.
struct TestState {
    QString chosenTopic;    // tema of the topic row last clicked
    QString chosenSubject;  // subject chooser's text when the topic list was last built
    QString classNumber;    // "1".."11": the class last recognised in the class chooser
    QString classTable;     // question table of classNumber

    int questionCount = 0;
    int currentQuestion = 0;  // 1-based
    // Per-question tables indexed 1..questionCount (entry 0 unused).
    std::vector<int> answerLayout;     // 0..3
    std::vector<int> chosenAnswer;     // 0 none, 1..4 = rb1..rb4
    std::vector<int> correctPosition;  // 0 until the question was shown, then 1..4

    int correctCount = 0;
    double scorePercent = 0;
    int grade = 0;
    QString finishTime;  // "hh:mm:ss" written to vremya

    QStringList report;  // lines of the report collected so far

    // Sizes the per-question tables for `count` questions, all entries 0.
    void resetTables(int count)
    {
        questionCount = count;
        answerLayout.assign(static_cast<size_t>(count) + 1, 0);
        chosenAnswer.assign(static_cast<size_t>(count) + 1, 0);
        correctPosition.assign(static_cast<size_t>(count) + 1, 0);
    }
};

} // namespace vorkast
