#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <string>
#include <vector>

namespace vorkast {

// The rows of a result held column by column in a few flat buffers: no allocation per
// cell, so a large result loads, sorts and is freed quickly and takes little memory.
class RowStore {
public:
    void reset(int columns);
    void clear();

    int columnCount() const { return static_cast<int>(m_columns.size()); }
    int rowCount() const { return m_rows; }

    // Adds a row of nulls; returns its number.
    int appendRow();
    void set(int row, int column, const QVariant &value);
    QVariant get(int row, int column) const;
    // A text cell's characters in place (no copy); an empty view for other cells.
    QStringView textAt(int row, int column) const;
    bool isText(int row, int column) const;
    bool isNull(int row, int column) const;
    qint64 integer(int row, int column) const;

    // Order of two rows by one column: nulls first, numbers by value, texts without
    // regard to case (then exactly), so "10" and "11" come before "2".
    int compare(int rowA, int rowB, int column) const;
    // Prepares a column for many compare() calls.
    void prepareCompare(int column);

private:
    enum Tag : std::uint8_t { Null, Integer, Real, Text, Bytes };
    struct Column {
        std::vector<std::uint8_t> tag;
        std::vector<std::int64_t> value;  // the integer, the real's bits, or the offset of text/bytes
        std::vector<std::uint32_t> length;
        std::u16string text;
        std::u16string folded;  // case-folded copy of `text`, made for sorting
        std::string bytes;
    };
    QStringView textView(const Column &c, int row) const;
    double number(const Column &c, int row) const;

    std::vector<Column> m_columns;
    int m_rows = 0;
};

} // namespace vorkast
