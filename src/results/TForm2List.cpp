// The results list: showing, the filters, sorting by a title and deleting.
#include "TForm2.h"

#include "context/AppContext.h"
#include "data/SqlText.h"
#include "platform/TextFile.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>

namespace vorkast {

namespace {

// Every result, then ordered by FI in memory: the name order ignores letter case as the rest
// of the program does, and sorting the rows held is far faster than a case-insensitive ORDER BY.
void listAll(Query &results)
{
    results.replaceStatement({QStringLiteral("select * from result")});
    results.orderRows(QStringLiteral("FI"));
}

} // namespace

QString TForm2::calendarDate() const
{
    return sMonthCalendar1->selectedDate().toString(QStringLiteral("dd.MM.yyyy"));
}

void TForm2::FormShow()
{
    const QStringList classes = readLinesFile(m_context.paths.classListFile());
    rzComboBox1->clear();
    rzComboBox1->addItems(classes);
    rzComboBox1->setCurrentIndex(-1);
    listAll(m_context.adores);
}

// Data holds only digits and dots, which case folding leaves alone, so the plain comparison
// finds the same rows as a case-insensitive one and can use the index on Data.
void TForm2::sMonthCalendar1Change()
{
    m_context.adores.replaceStatement({QStringLiteral("select * from result where Data = :data")},
                                      {{QStringLiteral("data"), calendarDate()}});
}

// A class such as "7" has no letter case, so the plain comparison finds its rows through the
// index on Klass; other texts are matched without regard to case over that index's values.
void TForm2::rzComboBox1Change()
{
    const QString klass = rzComboBox1->currentText();
    const QString where = isCaseless(klass)
        ? QStringLiteral("select * from result where Klass = :klass")
        : QStringLiteral("select * from result where Klass in (select Klass from result where Klass = :klass")
            + noCase() + QLatin1Char(')');
    m_context.adores.replaceStatement({where}, {{QStringLiteral("klass"), klass}});
}

void TForm2::rzEdit1Click()
{
    rzEdit1->clear();
}

// The topics are matched in the index on Test, which is far smaller than the table.
void TForm2::rzEdit1Change()
{
    Query &results = m_context.adores;
    results.replaceStatement({QStringLiteral("select * from result"),
                              QStringLiteral("where \"index\" in (select \"index\" from result where Test LIKE :topic")
                                  + likeEscape() + QLatin1Char(')')},
                             {{QStringLiteral("topic"), likePrefix(rzEdit1->text())}});
    results.orderRows(QStringLiteral("FI"));
}

void TForm2::sBitBtn5Click()
{
    m_context.adores.replaceStatement(
        {QStringLiteral("select * from result where Klass = :klass") + noCase() + QStringLiteral(" and Data = :data")},
        {{QStringLiteral("klass"), rzComboBox1->currentText()}, {QStringLiteral("data"), calendarDate()}});
}

void TForm2::sBitBtn7Click()
{
    sBitBtn5Click();
}

void TForm2::sBitBtn2Click()
{
    listAll(m_context.adores);
}

void TForm2::sBitBtn3Click()
{
    Query &results = m_context.adores;
    if (results.key() > 0)
        results.remove();
}

void TForm2::DBGridEh1TitleClick(const QString &field)
{
    Query &results = m_context.adores;
    const QString ascending = QLatin1Char('[') + field + QStringLiteral("] ASC");
    results.setSort(results.sort() == ascending ? QLatin1Char('[') + field + QStringLiteral("] DESC") : ascending);
}

} // namespace vorkast
