#include "AdminLookup.h"

#include "data/Query.h"
#include "data/SqlText.h"
#include "platform/PasswordHash.h"

namespace vorkast {

void selectAdminRows(Query &apass, const QString &login)
{
    apass.replaceStatement({QStringLiteral("select * from pass where name = :name") + noCase()},
                           {{QStringLiteral("name"), login}});
}

bool findAdminRow(Query &apass, const QString &login, const QString &password)
{
    for (apass.first(); !apass.eof(); apass.next()) {
        if (apass.text(QStringLiteral("name")) == login
            && PasswordHash::verify(password, apass.text(QStringLiteral("parol"))))
            return true;
    }
    return false;
}

void upgradeAdminPassword(Query &apass, const QString &password)
{
    if (!PasswordHash::needsUpgrade(apass.text(QStringLiteral("parol"))))
        return;
    apass.edit();
    apass.setValue(QStringLiteral("parol"), PasswordHash::make(password));
    try {
        apass.post();
    } catch (...) {
        apass.cancel();
        throw;
    }
}

} // namespace vorkast
