#pragma once

#include "AppPaths.h"
#include "EditorState.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "platform/RandomGenerator.h"
#include "platform/UrlOpener.h"

#include <QStringList>

namespace vorkast {

// The two database paths read from config.ini at start-up.
struct AppConfig {
    QString path1;  // results database
    QString path2;  // tests database
};

// Everything the windows share for the whole run: the connections, the four shared
// query objects, the lists, the login flag, the random generator and the dialog layer.
class AppContext {
public:
    AppContext(AppPaths paths, Dialogs &dialogs, UrlOpener &urlOpener);
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    // Runs a handler inside the error guard: a failure shows its text in an error box.
    template <typename F>
    bool guard(F &&handler)
    {
        return guarded(dialogs, std::forward<F>(handler));
    }

    const AppPaths paths;
    Dialogs &dialogs;
    UrlOpener &urlOpener;
    QString siteUrl;  // the product web site; tests point it at a loopback server
    int siteTimeoutMs = 10000;

    Connection ADOConnection1{DatabaseKind::Results};  // results database
    Connection ADOConnection2{DatabaseKind::Tests};    // tests database

    Query adores;
    Query ADOtemy;
    Query ADOklassy;
    Query apass;

    QStringList subjectList;  // SubjectList
    QStringList classList;    // ClassList
    AppConfig config;
    bool loggedIn = false;
    quint16 topicCount = 0;
    RandomGenerator random;
    EditorState editor;
};

} // namespace vorkast
