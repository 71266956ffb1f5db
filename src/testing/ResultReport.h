#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vorkast {

// The first three lines of a test's report: kind and subject, class and name, an empty line.
QStringList reportHeader(const QString &kind, const QString &subject, const QString &klass, const QString &name);

// A question's line: "1. d) +" when right, "2.  -" without a choice, "3. a)  " when wrong.
// `chosen` is the answer position 1..4 (a..d from the top) or 0.
QString answerLine(int number, int chosen, bool right);

// The closing lines: an empty line, the question count, the correct count, the grade.
QStringList reportSummary(int questionCount, int correctCount, int grade);

// The report as stored: UTF-8, CR LF after every line.
QByteArray reportBytes(const QStringList &lines);

// The lines of a stored report (UTF-8, or legacy Windows-1251 text).
QStringList reportLines(const QByteArray &bytes);

} // namespace vorkast
