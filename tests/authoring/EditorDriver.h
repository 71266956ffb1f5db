#pragma once

// Drives the test editor and the topic catalogue through their widgets, and reads back
// what they stored.

#include "support/AppFixture.h"

#include "app/TForm1.h"
#include "authoring/TForm3.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <QImage>

namespace vorkast::test {

inline void triggerMenu(AppFixture &fx, const char *item)
{
    QAction *action = fx.app->form1()->menuItem(QString::fromLatin1(item));
    action->setEnabled(true);  // as after the administrator's login
    action->trigger();
}

// A user's choice of the item with exactly this text.
inline bool choose(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

// Types text key by key (QTest::keyClicks takes ASCII only).
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline QTextEdit *box(QWidget *editor, int i)
{
    return child<QTextEdit>(editor, QStringLiteral("sr%1").arg(i));
}

inline QPushButton *button(QWidget *root, const char *name)
{
    return child<QPushButton>(root, QString::fromLatin1(name));
}

inline void click(QWidget *root, const char *name)
{
    QAbstractButton *b = child<QAbstractButton>(root, QString::fromLatin1(name));
    QVERIFY2(b->isEnabled() && b->isVisible(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

inline void fillBoxes(QWidget *editor, const QStringList &texts)
{
    for (int i = 1; i <= 5; ++i)
        box(editor, i)->setPlainText(texts.value(i - 1));
}

inline QStringList boxTexts(QWidget *editor)
{
    QStringList out;
    for (int i = 1; i <= 5; ++i)
        out << box(editor, i)->toPlainText();
    return out;
}

inline QStringList questionTexts(int n, const QString &prefix = QString())
{
    return {QStringLiteral("%1Вопрос %2").arg(prefix).arg(n), QStringLiteral("%1Неверно %2.1").arg(prefix).arg(n),
            QStringLiteral("%1Неверно %2.2").arg(prefix).arg(n), QStringLiteral("%1Неверно %2.3").arg(prefix).arg(n),
            QStringLiteral("%1Верно %2").arg(prefix).arg(n)};
}

inline QString plainText(const QByteArray &rtf)
{
    QTextDocument doc;
    rtf::read(rtf, doc);
    return doc.toPlainText();
}

// One stored question: the five texts, then tema and predmet.
struct StoredQuestion {
    QStringList texts;
    QList<QByteArray> blobs;
    QString tema;
    QString predmet;
};

// The rows of `table` with this title and subject, in stored order.
inline QList<StoredQuestion> storedQuestions(AppFixture &fx, const QString &table, const QString &title,
                                             const QString &subject)
{
    QSqlQuery q = fx.sql(DatabaseKind::Tests,
                         QStringLiteral("SELECT vopros, otvet1, otvet2, otvet3, otvet4, tema, predmet FROM %1 "
                                        "WHERE tema = ? AND predmet = ? ORDER BY \"index\"")
                             .arg(table),
                         {title, subject});
    QList<StoredQuestion> out;
    while (q.next()) {
        StoredQuestion s;
        for (int i = 0; i < 5; ++i) {
            s.blobs << q.value(i).toByteArray();
            s.texts << plainText(s.blobs.last());
        }
        s.tema = q.value(5).toString();
        s.predmet = q.value(6).toString();
        out << s;
    }
    return out;
}

inline QVariant topicValue(AppFixture &fx, qint64 key, const char *column)
{
    const QVariantList v = fx.column(DatabaseKind::Tests,
                                     QStringLiteral("SELECT %1 FROM temy WHERE \"index\" = ?").arg(QLatin1String(column)),
                                     {key});
    return v.value(0);
}

inline int rowCount(AppFixture &fx, const QString &table)
{
    return fx.column(DatabaseKind::Tests, QStringLiteral("SELECT count(*) FROM %1").arg(table)).value(0).toInt();
}

// The picture at the start of `doc`, or a null image.
inline QImage firstImage(QTextDocument &doc)
{
    QTextCursor probe(&doc);
    probe.movePosition(QTextCursor::NextCharacter);
    if (!probe.charFormat().isImageFormat())
        return {};
    return doc.resource(QTextDocument::ImageResource, QUrl(probe.charFormat().toImageFormat().name())).value<QImage>();
}

// The format of the first character of a stored text.
inline QTextCharFormat firstCharFormat(const QByteArray &rtf)
{
    QTextDocument doc;
    rtf::read(rtf, doc);
    QTextCursor probe(&doc);
    probe.movePosition(QTextCursor::NextCharacter);
    return probe.charFormat();
}

// The catalogue grid's row with this title and class, made current as by a click.
inline bool selectTopic(AppFixture &fx, const QString &title, const QString &klass = QString())
{
    auto *grid = child<QTableView>(fx.app->form1(), QStringLiteral("sDBGrid1"));
    QAbstractItemModel *model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == title
            && (klass.isNull() || model->index(row, 1).data().toString() == klass)) {
            grid->setCurrentIndex(model->index(row, 0));
            return fx.context().ADOtemy.currentRow() == row;
        }
    }
    return false;
}

// "Редактирование", the topic chosen in the grid, "Редактировать тему".
inline TForm3 *openForEditing(AppFixture &fx, const QString &title, const QString &klass = QString())
{
    triggerMenu(fx, "N15");
    if (!selectTopic(fx, title, klass))
        return nullptr;
    QTest::mouseClick(button(fx.app->form1(), "sButton7"), Qt::LeftButton);
    return fx.app->form3();
}

} // namespace vorkast::test
