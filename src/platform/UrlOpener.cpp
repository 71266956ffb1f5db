#include "UrlOpener.h"

#include <QDesktopServices>

namespace vorkast {

bool DesktopUrlOpener::open(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace vorkast
