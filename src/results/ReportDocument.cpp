#include "ReportDocument.h"

#include "platform/ErrorGuard.h"
#include "richtext/RtfWriter.h"

#include <QDir>
#include <QFont>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

namespace vorkast {

namespace {

// Pupils type the names: keep one plain file name inside the folder whatever they typed.
QString safeName(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString out;
    out.reserve(name.size());
    for (const QChar c : name)
        out += (c.category() == QChar::Other_Control || forbidden.contains(c)) ? QLatin1Char('_') : c;
    out.replace(QStringLiteral(".."), QStringLiteral("__"));
    return out;
}

QFont reportFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

} // namespace

ReportDocument::ReportDocument(QString folder)
    : m_folder(std::move(folder))
{
}

QString ReportDocument::fileName(const QString &klass, const QString &predmet, const QString &data, const QString &fi,
                                 unsigned n)
{
    return safeName(klass + QLatin1Char(' ') + predmet + QLatin1Char(' ') + data + QLatin1Char(' ') + fi
                    + QLatin1Char('_') + QString::number(n) + QStringLiteral(".rtf"));
}

QString ReportDocument::save(const QString &name, const QString &text) const
{
    if (!QDir().mkpath(m_folder))
        throw UserError(QStringLiteral("Не удалось создать папку «%1».").arg(QDir::toNativeSeparators(m_folder)));
    const QString path = QDir(m_folder).filePath(safeName(name));

    QTextDocument document;
    document.setDefaultFont(reportFont());
    document.setPlainText(text);
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Tahoma")});
    format.setFontPointSize(12);
    format.setFontWeight(QFont::Bold);
    QTextCursor cursor(&document);
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
    cursor.mergeBlockCharFormat(format);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf::write(document)) < 0 || !file.commit()) {
        throw UserError(QStringLiteral("Не удалось сохранить документ «%1»: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return path;
}

} // namespace vorkast
