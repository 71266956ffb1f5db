#pragma once

#include <QString>

namespace vorkast {

class Query;

// Opens `apass` on the rows whose name matches `login` without regard to letter case.
void selectAdminRows(Query &apass, const QString &login);

// Makes current the first selected row whose name equals `login` exactly and whose
// stored password matches `password`; false when there is none.
bool findAdminRow(Query &apass, const QString &login, const QString &password);

// Replaces a plain-text (or weaker) stored password of the current row by a new hash.
void upgradeAdminPassword(Query &apass, const QString &password);

} // namespace vorkast
