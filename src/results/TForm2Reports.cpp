// The report view, saving the shown report and saving the reports of the ticked rows.
#include "TForm2.h"

#include "ReportDocument.h"
#include "ReportPanel.h"

#include "context/AppContext.h"
#include "platform/TextFile.h"

#include <QDateTime>
#include <QScopeGuard>

namespace vorkast {

namespace {

QString documentName(const Query &results, unsigned n)
{
    return ReportDocument::fileName(results.text(QStringLiteral("Klass")), results.text(QStringLiteral("predmet")),
                                    results.text(QStringLiteral("Data")), results.text(QStringLiteral("FI")), n);
}

} // namespace

void TForm2::seedRandom()
{
    m_context.random.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

void TForm2::loadCurrentReport()
{
    rzPanel1->setReport(decodeText(m_context.adores.blob(QStringLiteral("results"))));
}

void TForm2::sBitBtn4Click()
{
    placeReportPanel();
    rzPanel1->show();
    loadCurrentReport();
    rzPanel1->setPercent(m_context.adores.integer(QStringLiteral("proc")));
}

void TForm2::sBitBtn9Click()
{
    m_context.adores.prior();
    loadCurrentReport();
    rzPanel1->setPercent(m_context.adores.integer(QStringLiteral("proc")));
}

void TForm2::sBitBtn10Click()
{
    m_context.adores.next();
    loadCurrentReport();
    rzPanel1->setPercent(m_context.adores.integer(QStringLiteral("proc")));
}

void TForm2::sBitBtn11Click()
{
    rzPanel1->hide();
}

void TForm2::sBitBtn8Click()
{
    seedRandom();
    const unsigned n = m_context.random.draw(256);
    const ReportDocument documents(m_context.paths.workFile(QStringLiteral("result")));
    documents.save(documentName(m_context.adores, n), rzPanel1->report());
}

void TForm2::sBitBtn6Click()
{
    Query &results = m_context.adores;
    seedRandom();
    results.first();

    const int galka = results.columnIndex(QStringLiteral("galka"));
    QVector<int> ticked;
    for (int row = 0; row < results.recordCount(); ++row) {
        if (results.cell(row, galka).toBool())
            ticked << row;
    }
    if (!ticked.isEmpty()) {
        const ReportDocument documents(m_context.paths.workFile(QStringLiteral("result")));
        std::unique_ptr<Progress> progress;
        if (ticked.size() > 1)
            progress = m_context.dialogs.progress(QStringLiteral("Сохранение документов в папку result…"),
                                                  static_cast<int>(ticked.size()));
        // Rows are found by their place in the list, so the list must not change meanwhile.
        bool listChanged = false;
        const QMetaObject::Connection watch
            = connect(&results, &Query::aboutToReset, this, [&listChanged] { listChanged = true; });
        const auto unwatch = qScopeGuard([&watch] { disconnect(watch); });
        for (qsizetype i = 0; i < ticked.size(); ++i) {
            if (progress) {
                progress->setValue(static_cast<int>(i));
                if (progress->wasCanceled())
                    return;
            }
            if (listChanged)
                throw UserError(QStringLiteral("Список результатов изменился, сохранение документов остановлено."));
            results.setCurrentRow(ticked[i]);
            loadCurrentReport();
            const unsigned n = m_context.random.draw(256);
            documents.save(documentName(results, n), rzPanel1->report());
            results.edit();
            results.setValue(QStringLiteral("galka"), 0);
            results.post();
        }
        if (progress)
            progress->setValue(static_cast<int>(ticked.size()));
    }
    results.last();
}

} // namespace vorkast
