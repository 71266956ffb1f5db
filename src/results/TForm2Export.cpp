// The spreadsheet export of the results list.
#include "TForm2.h"

#include "ResultsWorkbook.h"

#include "context/AppContext.h"

#include <QCheckBox>
#include <QDateTime>
#include <QScopeGuard>
#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

namespace vorkast {

namespace {

constexpr int kProgressStep = 256;

} // namespace

void TForm2::sBitBtn1Click()
{
    Query &results = m_context.adores;
    results.first();
    const int n = results.recordCount();

    std::array<bool, ResultsWorkbook::kColumns> ticked{};
    for (size_t i = 0; i < ticked.size(); ++i)
        ticked[i] = m_columnChoice[i]->isChecked();
    std::array<int, ResultsWorkbook::kColumns - 1> columns{};
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i] = results.columnIndex(ResultsWorkbook::fields()[i]);

    // A fresh folder of its own, so the readable name never clashes; removed unless the file is kept.
    QTemporaryDir folder(QDir(QDir::tempPath()).filePath(QStringLiteral("vorkast-XXXXXX")));
    if (!folder.isValid())
        throw UserError(QStringLiteral("Не удалось создать временную папку для файла: %1").arg(folder.errorString()));
    const QString path = folder.filePath(QStringLiteral("Результаты тестирования ")
                                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))
                                         + QStringLiteral(".xlsx"));

    ResultsWorkbook workbook(path, ticked);
    std::unique_ptr<Progress> progress;
    if (n > 0)
        progress = m_context.dialogs.progress(QStringLiteral("Сохранение результатов в файл…"), n + 1);
    bool listChanged = false;
    const QMetaObject::Connection watch
        = connect(&results, &Query::aboutToReset, this, [&listChanged] { listChanged = true; });
    const auto unwatch = qScopeGuard([&watch] { disconnect(watch); });

    ResultsWorkbook::Values values;
    for (int row = 0; row < n; ++row) {
        if (row % kProgressStep == 0 && progress) {
            progress->setValue(row);
            if (progress->wasCanceled())
                return;
            if (listChanged)
                throw UserError(QStringLiteral("Список результатов изменился, сохранение в файл остановлено."));
        }
        for (size_t i = 0; i < columns.size(); ++i)
            values[i] = results.transientText(row, columns[i]);  // used by addRow at once
        workbook.addRow(values);
    }
    if (progress) {
        progress->setValue(n);
        if (progress->wasCanceled())
            return;
    }
    workbook.close();
    if (progress)
        progress->setValue(n + 1);
    folder.setAutoRemove(false);
    results.last();

    if (!m_context.urlOpener.open(QUrl::fromLocalFile(path)))
        m_context.dialogs.information(
            QStringLiteral("Не удалось открыть файл программой для электронных таблиц.\rФайл сохранён: ")
            + QDir::toNativeSeparators(path));
}

} // namespace vorkast
