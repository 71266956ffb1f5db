#pragma once

#include <QJsonObject>
#include <QString>

namespace vorkast::test {

// Reads an .xlsx file back with openpyxl (python3-openpyxl): the first sheet's name
// ("sheets"), its cells ("cells": {"A1": value}), their types ("types": "s" text, "n" number),
// bold cells ("bold"), rows 1..3 bold ("rowBold"), and column widths and hidden flags
// ("widths", "hidden": {"A": ...}) as stored in the file. Empty object on failure.
QJsonObject readWorkbook(const QString &path, QString *error = nullptr);

// Whether python3 with openpyxl is there to read workbooks.
bool canReadWorkbooks();

} // namespace vorkast::test
