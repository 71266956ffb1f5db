#include "WorkbookReader.h"

#include <QJsonDocument>
#include <QProcess>

namespace vorkast::test {

namespace {

const char *kPython = "/usr/bin/python3";

const char *kScript = R"py(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
out = {"sheets": wb.sheetnames, "cells": {}, "types": {}, "bold": {}, "widths": {}, "hidden": {}, "rowBold": {}}
for row in ws.iter_rows():
    for c in row:
        if c.value is not None:
            out["cells"][c.coordinate] = c.value
            out["types"][c.coordinate] = c.data_type
            out["bold"][c.coordinate] = bool(c.font and c.font.b)
for letter, dim in ws.column_dimensions.items():
    out["widths"][letter] = dim.width
    out["hidden"][letter] = bool(dim.hidden)
for r in (1, 2, 3, 4):
    dim = ws.row_dimensions.get(r) if hasattr(ws.row_dimensions, "get") else None
    out["rowBold"][str(r)] = bool(dim is not None and dim.s and dim.font and dim.font.b)
print(json.dumps(out))
)py";

} // namespace

QJsonObject readWorkbook(const QString &path, QString *error)
{
    QProcess python;
    python.start(QString::fromLatin1(kPython), {QStringLiteral("-c"), QString::fromUtf8(kScript), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        if (error)
            *error = QString::fromUtf8(python.readAllStandardError());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

bool canReadWorkbooks()
{
    QProcess python;
    python.start(QString::fromLatin1(kPython), {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
    return python.waitForFinished(30000) && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
}

} // namespace vorkast::test
