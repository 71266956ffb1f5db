#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace vorkast {

// The outcome of one HTTP GET.
struct HttpResult {
    bool ok = false;      // a 2xx answer arrived in time
    QByteArray body;      // the answer's body when ok
    QString contentType;  // the Content-Type header, as sent
    QString error;        // why it failed, for the developer
};

// GETs `url` and waits at most `timeoutMs` for the whole answer. While it waits the
// event loop keeps running (windows repaint, sockets work) but takes no user input,
// so no other command can start in the meantime.
HttpResult httpGet(const QUrl &url, int timeoutMs);

} // namespace vorkast
