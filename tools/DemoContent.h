#pragma once

#include <QString>
#include <QVector>

namespace vorkast {

// One sample question: the question and the four answers as HTML, the correct one last.
struct DemoQuestion {
    QString question;
    QString wrong1, wrong2, wrong3;
    QString correct;
};

struct DemoTest {
    QString title;
    QString klass;
    QString subject;
    QVector<DemoQuestion> questions;
};

// A handful of real sample tests in Russian for several classes and subjects.
QVector<DemoTest> demoTests();

} // namespace vorkast
