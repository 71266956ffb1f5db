#include "RowStore.h"

#include <QByteArray>
#include <QChar>

#include <bit>
#include <cstring>

namespace vorkast {

void RowStore::reset(int columns)
{
    clear();
    m_columns.resize(static_cast<size_t>(columns));
}

void RowStore::clear()
{
    std::vector<Column>().swap(m_columns);
    m_rows = 0;
}

int RowStore::appendRow()
{
    for (Column &c : m_columns) {
        c.tag.push_back(Null);
        c.value.push_back(0);
        c.length.push_back(0);
    }
    return m_rows++;
}

void RowStore::set(int row, int column, const QVariant &value)
{
    Column &c = m_columns[static_cast<size_t>(column)];
    const auto r = static_cast<size_t>(row);
    if (value.isNull()) {
        c.tag[r] = Null;
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        c.tag[r] = Integer;
        c.value[r] = value.toLongLong();
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        c.tag[r] = Real;
        c.value[r] = std::bit_cast<std::int64_t>(value.toDouble());
        return;
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        c.tag[r] = Bytes;
        c.value[r] = static_cast<std::int64_t>(c.bytes.size());
        c.length[r] = static_cast<std::uint32_t>(b.size());
        c.bytes.append(b.constData(), static_cast<size_t>(b.size()));
        return;
    }
    default: {
        const QString s = value.toString();
        c.tag[r] = Text;
        c.value[r] = static_cast<std::int64_t>(c.text.size());
        c.length[r] = static_cast<std::uint32_t>(s.size());
        c.text.append(reinterpret_cast<const char16_t *>(s.utf16()), static_cast<size_t>(s.size()));
        c.folded.clear();  // made again when next needed
        return;
    }
    }
}

QStringView RowStore::textView(const Column &c, int row) const
{
    const auto r = static_cast<size_t>(row);
    return QStringView(c.text.data() + c.value[r], static_cast<qsizetype>(c.length[r]));
}

QVariant RowStore::get(int row, int column) const
{
    const Column &c = m_columns[static_cast<size_t>(column)];
    const auto r = static_cast<size_t>(row);
    switch (c.tag[r]) {
    case Integer:
        return QVariant(static_cast<qlonglong>(c.value[r]));
    case Real:
        return QVariant(std::bit_cast<double>(c.value[r]));
    case Text:
        return QVariant(textView(c, row).toString());
    case Bytes:
        return QVariant(QByteArray(c.bytes.data() + c.value[r], static_cast<qsizetype>(c.length[r])));
    default:
        return {};
    }
}

QStringView RowStore::textAt(int row, int column) const
{
    const Column &c = m_columns[static_cast<size_t>(column)];
    return c.tag[static_cast<size_t>(row)] == Text ? textView(c, row) : QStringView();
}

bool RowStore::isText(int row, int column) const
{
    return m_columns[static_cast<size_t>(column)].tag[static_cast<size_t>(row)] == Text;
}

bool RowStore::isNull(int row, int column) const
{
    return m_columns[static_cast<size_t>(column)].tag[static_cast<size_t>(row)] == Null;
}

qint64 RowStore::integer(int row, int column) const
{
    const Column &c = m_columns[static_cast<size_t>(column)];
    const auto r = static_cast<size_t>(row);
    switch (c.tag[r]) {
    case Integer:
        return c.value[r];
    case Real:
        return static_cast<qint64>(std::bit_cast<double>(c.value[r]));
    case Text:
        return textView(c, row).toLongLong();
    default:
        return 0;
    }
}

double RowStore::number(const Column &c, int row) const
{
    const auto r = static_cast<size_t>(row);
    return c.tag[r] == Real ? std::bit_cast<double>(c.value[r]) : static_cast<double>(c.value[r]);
}

void RowStore::prepareCompare(int column)
{
    Column &c = m_columns[static_cast<size_t>(column)];
    if (c.folded.size() == c.text.size())
        return;
    c.folded.resize(c.text.size());
    for (size_t i = 0; i < c.text.size(); ++i)
        c.folded[i] = QChar(c.text[i]).toCaseFolded().unicode();
}

int RowStore::compare(int rowA, int rowB, int column) const
{
    const Column &c = m_columns[static_cast<size_t>(column)];
    const auto a = static_cast<size_t>(rowA), b = static_cast<size_t>(rowB);
    const Tag ta = static_cast<Tag>(c.tag[a]), tb = static_cast<Tag>(c.tag[b]);
    if (ta == Null || tb == Null)
        return ta == tb ? 0 : (ta == Null ? -1 : 1);
    const bool numA = ta == Integer || ta == Real, numB = tb == Integer || tb == Real;
    if (numA && numB) {
        const double x = number(c, rowA), y = number(c, rowB);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (ta == Text && tb == Text) {
        if (c.folded.size() == c.text.size()) {
            const std::u16string_view fa(c.folded.data() + c.value[a], c.length[a]);
            const std::u16string_view fb(c.folded.data() + c.value[b], c.length[b]);
            if (const int r = fa.compare(fb); r != 0)
                return r < 0 ? -1 : 1;
        } else if (const int r = textView(c, rowA).compare(textView(c, rowB), Qt::CaseInsensitive); r != 0) {
            return r < 0 ? -1 : 1;
        }
        const int r = textView(c, rowA).compare(textView(c, rowB), Qt::CaseSensitive);
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
    const int r = get(rowA, column).toString().compare(get(rowB, column).toString(), Qt::CaseInsensitive);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace vorkast
