#include "IniFile.h"

#include "ErrorGuard.h"
#include "TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace vorkast {

namespace {

QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool isSection(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

// The key of a "key=value" line, or empty.
QString keyOf(const QString &line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq > 0 ? line.left(eq).trimmed() : QString();
}

QStringList readLinesIfAny(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return splitLines(decodeText(file.readAll()));
}

} // namespace

QString readIniValue(const QString &path, const QString &section, const QString &key)
{
    bool inSection = false;
    for (const QString &line : readLinesIfAny(path)) {
        if (isSection(line)) {
            inSection = sectionName(line).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && keyOf(line).compare(key, Qt::CaseInsensitive) == 0) {
            QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            return value;
        }
    }
    return {};
}

void writeIniValue(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QStringList lines = readLinesIfAny(path);
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionStart = -1, insertAt = -1;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        if (isSection(lines[i])) {
            if (sectionStart >= 0)
                break;
            if (sectionName(lines[i]).compare(section, Qt::CaseInsensitive) == 0) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (keyOf(lines[i]).compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            written = true;
        } else if (!lines[i].trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!written) {
        if (sectionStart >= 0) {
            lines.insert(insertAt, entry);
        } else {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        }
    }
    QSaveFile file(path);
    // Replacing in place keeps working in a folder where only the file itself is writable.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(joinLinesCrLf(lines)) < 0 || !file.commit())
        throw UserError(QStringLiteral("Не удалось записать файл %1: %2").arg(path, file.errorString()));
}

} // namespace vorkast
