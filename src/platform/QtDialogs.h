#pragma once

#include "Dialogs.h"

class QWidget;

namespace vorkast {

// The dialogs of the running program, as Qt message boxes titled "Vorkast".
class QtDialogs : public Dialogs {
public:
    void information(const QString &text) override;
    void error(const QString &text) override;
    bool confirmError(const QString &text) override;
    QString openFile(const QString &filter, const QString &startPath) override;
    std::unique_ptr<Progress> progress(const QString &label, int maximum) override;
};

} // namespace vorkast
