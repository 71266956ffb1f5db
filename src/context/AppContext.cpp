#include "AppContext.h"

#include "platform/DefaultLists.h"
#include "Site.h"

namespace vorkast {

AppContext::AppContext(AppPaths paths_, Dialogs &dialogs_, UrlOpener &urlOpener_)
    : paths(std::move(paths_))
    , dialogs(dialogs_)
    , urlOpener(urlOpener_)
    , siteUrl(productSiteUrl())
    , adores(ADOConnection1, QStringLiteral("adores"), QStringLiteral("select * from result"),
             {QStringLiteral("index"), QStringLiteral("FI"), QStringLiteral("Klass"), QStringLiteral("Test"),
              QStringLiteral("Ocenka"), QStringLiteral("Data"), QStringLiteral("predmet"), QStringLiteral("prav"),
              QStringLiteral("results"), QStringLiteral("galka"), QStringLiteral("vremya"), QStringLiteral("proc")})
    , ADOtemy(ADOConnection2, QStringLiteral("ADOtemy"), QStringLiteral("select * from temy"),
              {QStringLiteral("tema"), QStringLiteral("klass"), QStringLiteral("index"), QStringLiteral("predmet"),
               QStringLiteral("vopr")})
    , ADOklassy(ADOConnection2, QStringLiteral("ADOklassy"), QStringLiteral("select * from pyat"),
                {QStringLiteral("vopros"), QStringLiteral("otvet1"), QStringLiteral("otvet2"),
                 QStringLiteral("otvet3"), QStringLiteral("otvet4"), QStringLiteral("tema"), QStringLiteral("index"),
                 QStringLiteral("predmet")})
    , apass(ADOConnection1, QStringLiteral("apass"), QStringLiteral("select * from pass"),
            {QStringLiteral("name"), QStringLiteral("parol"), QStringLiteral("index")})
    , subjectList(defaultSubjectList())
    , classList(defaultClassList())
{
}

} // namespace vorkast
