#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace vorkast::test {

// Records every message and answers questions from scripted queues.
class FakeDialogs : public Dialogs {
public:
    enum class Kind { Information, Error, Confirm, OpenFile, Progress };
    struct Call {
        Kind kind;
        QString text;
    };

    void information(const QString &text) override;
    void error(const QString &text) override;
    bool confirmError(const QString &text) override;
    QString openFile(const QString &filter, const QString &startPath) override;
    std::unique_ptr<Progress> progress(const QString &label, int maximum) override;

    QList<Call> calls;
    QQueue<bool> confirmAnswers;  // empty: OK
    QQueue<QString> openFileAnswers;  // empty: cancelled
    int cancelProgressAt = -1;  // a progress reports cancelled once it reaches this value
    QList<int> progressValues;

    QStringList texts(Kind kind) const;
    QStringList informations() const { return texts(Kind::Information); }
    QStringList errors() const { return texts(Kind::Error); }
    void clear() { calls.clear(); progressValues.clear(); }
};

} // namespace vorkast::test
