#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace vorkast::rtf::detail {

// The font and colour tables of a document being written: each family and colour gets its
// number the first time it is used.
class WriterTables {
public:
    // Font 0 is the document's default family, so \deff0 names it.
    explicit WriterTables(const QString &defaultFamily);

    int font(const QString &family);
    // Colour table index (from 1; 0 is the automatic colour).
    int color(const QColor &color);

    QByteArray fontTable() const;
    QByteArray colorTable() const;

private:
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    std::vector<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;
};

} // namespace vorkast::rtf::detail
