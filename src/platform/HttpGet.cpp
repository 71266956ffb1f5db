#include "HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace vorkast {

HttpResult httpGet(const QUrl &url, int timeoutMs)
{
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Vorkast"));
    request.setTransferTimeout(timeoutMs);

    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    HttpResult result;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    if (timedOut) {
        result.error = QStringLiteral("no answer within %1 ms").arg(timeoutMs);
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else if (status < 200 || status > 299) {
        result.error = QStringLiteral("HTTP status %1").arg(status);
    } else {
        result.ok = true;
        result.body = reply->readAll();
    }
    return result;
}

} // namespace vorkast
