#include "DatabaseSettings.h"

#include "context/AppContext.h"
#include "platform/IniFile.h"

#include <QFileInfo>

namespace vorkast {

void chooseDatabaseFile(AppContext &context, Connection &connection, const QString &key, QString &lastFile)
{
    QString start = lastFile.isEmpty() ? connection.path() : lastFile;
    if (start.isEmpty())
        start = context.paths.configDir;
    const QString chosen = context.dialogs.openFile(QStringLiteral("База данных  Vorkast (*.tsb)"), start);
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    lastFile = path;

    // Tried on a connection of its own first, so a wrong file leaves the working one open.
    {
        Connection probe(connection.kind());
        probe.open(path);
    }
    connection.open(path);

    try {
        writeIniValue(context.paths.configFile(), QStringLiteral("ConnectionString"), key, path);
    } catch (const UserError &e) {
        throw UserError(e.message()
                        + QStringLiteral("\rБаза данных открыта только до закрытия программы: путь к ней не сохранён."));
    }
}

} // namespace vorkast
