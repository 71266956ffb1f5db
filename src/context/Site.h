#pragma once

#include <QString>

namespace vorkast {

// The product web site: the root page, files/tests.txt, files/version.txt, help.html.
inline QString productSiteUrl()
{
    return QStringLiteral("http://www.pelmark.org/");
}

inline QString programVersion()
{
    return QStringLiteral("2.4.5");
}

} // namespace vorkast
