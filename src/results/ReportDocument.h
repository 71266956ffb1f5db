#pragma once

#include <QString>

namespace vorkast {

// Saves result reports as RTF documents in one folder, named from the result row.
class ReportDocument {
public:
    explicit ReportDocument(QString folder);

    QString folder() const { return m_folder; }

    // "Klass predmet Data FI_N.rtf", with every character that a file name cannot hold,
    // or that could lead out of the folder, replaced by "_".
    static QString fileName(const QString &klass, const QString &predmet, const QString &data, const QString &fi,
                            unsigned n);

    // Writes `text` in bold Tahoma 12 pt as the document `name` in the folder (created when
    // missing), replacing a file of that name; returns its path. Throws UserError naming the file.
    QString save(const QString &name, const QString &text) const;

private:
    QString m_folder;
};

} // namespace vorkast
