#pragma once

#include <QDir>
#include <QString>

namespace vorkast {

// Where the program finds its files: config.ini beside the executable, the list files
// and the folder of report documents in the working folder.
struct AppPaths {
    QString configDir;
    QString workDir;

    QString configFile() const { return QDir(configDir).filePath(QStringLiteral("config.ini")); }
    QString workFile(const QString &name) const { return QDir(workDir).filePath(name); }
    QString subjectListFile() const { return workFile(QStringLiteral("list.rfg")); }
    QString classListFile() const { return workFile(QStringLiteral("klass.rfg")); }
};

} // namespace vorkast
