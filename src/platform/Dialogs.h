#pragma once

#include <QString>

#include <memory>

namespace vorkast {

// A progress indication for long work that the user may cancel.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setValue(int value) = 0;
    virtual bool wasCanceled() const = 0;
};

// Every message and dialog of the program goes through this interface, so tests can
// read the texts and answer in place of the user.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A simple message box with an OK button.
    virtual void information(const QString &text) = 0;
    // An error box showing a failure's text.
    virtual void error(const QString &text) = 0;
    // An OK/Cancel question of the error kind; true for OK.
    virtual bool confirmError(const QString &text) = 0;
    // A file-open dialog; empty when cancelled.
    virtual QString openFile(const QString &filter, const QString &startPath) = 0;
    // A progress dialog for `maximum` steps with a cancel button.
    virtual std::unique_ptr<Progress> progress(const QString &label, int maximum) = 0;
};

} // namespace vorkast
