#pragma once

#include <QString>

namespace vorkast {

class AppContext;
class Connection;

// Lets the user point `connection` at another database file: the file chosen in the
// open dialog is checked to be a database of the connection's kind, the connection is
// reopened on it and `key` of config.ini is set to its full path. A cancelled dialog
// or a refused file changes nothing. `lastFile` is the dialog's remembered choice.
void chooseDatabaseFile(AppContext &context, Connection &connection, const QString &key, QString &lastFile);

} // namespace vorkast
