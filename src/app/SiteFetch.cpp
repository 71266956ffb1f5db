#include "SiteFetch.h"

#include "BusyCursor.h"

#include "context/AppContext.h"
#include "platform/HttpGet.h"
#include "platform/TextFile.h"

#include <QUrl>

namespace vorkast {

namespace {

bool isTextType(const QString &contentType)
{
    return contentType.isEmpty() || contentType.trimmed().startsWith(QLatin1String("text/"), Qt::CaseInsensitive);
}

} // namespace

std::optional<QString> firstTextLine(const QByteArray &bytes)
{
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || b == 0x7F)
            return std::nullopt;
    }
    const QString text = decodeText(bytes);
    qsizetype end = 0;
    while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
        ++end;
    return text.left(end);
}

void reportSiteLine(AppContext &context, const QString &path, const QString &before, const QString &after)
{
    const QUrl url = QUrl(context.siteUrl).resolved(QUrl(path));
    std::optional<QString> line;
    {
        const BusyCursor busy;
        const HttpResult reply = httpGet(url, context.siteTimeoutMs);
        if (reply.ok && isTextType(reply.contentType))
            line = firstTextLine(reply.body);
    }
    if (!line) {
        context.dialogs.information(QStringLiteral("Вы не подключены к интернету или сайт Pelmark не доступен."));
        return;
    }
    context.dialogs.information(before + *line + after);
}

} // namespace vorkast
