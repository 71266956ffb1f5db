#include "support/AppFixture.h"

#include "app/TForm1.h"
#include "platform/PasswordHash.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kFillIn = QStringLiteral("Заполните Логин и Пароль!");
const QString kWrongPair = QStringLiteral("Логин или Пароль неправильный, введите заново");
const QString kAllFields = QStringLiteral("Все поля должны быть заполненными!");
const QString kWrongOld = QStringLiteral("Неверный старый логин или пароль.");
const QString kChanged = QStringLiteral(
    "Логин и пароль изменены. Не забудьте их. \rЕсли Вы забыли Логин-Пароль, зайдите на сайт Pelmark в раздел "
    "Вопрос-Ответ. ");

const char *const kUnlocked[] = {"N7", "N5", "N10", "N12", "N15", "testymdb1", "N14"};

// The program over a fresh fixture with one administrator whose password is stored hashed.
struct Program {
    AppFixture fx;
    TForm1 *form = nullptr;

    explicit Program(bool withAdmin = true)
    {
        if (withAdmin)
            fx.addAdmin(QStringLiteral("Admin"), PasswordHash::make(QStringLiteral("Secret")));
        fx.start();
        form = fx.app->form1();
    }

    template <typename T>
    T *w(const char *name) { return child<T>(form, QString::fromLatin1(name)); }
    QLineEdit *edit(const char *name) { return w<QLineEdit>(name); }
    bool enabled(const char *item) { return form->menuItem(QString::fromLatin1(item))->isEnabled(); }

    // Opens a top-level menu as a click on the menu bar does.
    void openMenu(const char *item)
    {
        QAction *top = form->menuItem(QString::fromLatin1(item));
        QMenuBar *bar = form->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
        top->menu()->close();
    }

    // Types `text` key by key (Cyrillic too) into an emptied box.
    void type(const char *box, const QString &text)
    {
        QLineEdit *e = edit(box);
        e->clear();
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(e, &press);
            QApplication::sendEvent(e, &release);
        }
        QCOMPARE_EQ(e->text(), text.left(e->maxLength()));
    }

    void login(const QString &login, const QString &password)
    {
        type("rzedit1", login);
        type("rzEdit2", password);
        QTest::mouseClick(w<QPushButton>("sButton2"), Qt::LeftButton);
    }

    void changeCredentials(const QString &oldLogin, const QString &oldPassword, const QString &newLogin,
                           const QString &newPassword)
    {
        type("RzEdit3", oldLogin);
        type("RzEdit4", oldPassword);
        type("RzEdit5", newLogin);
        type("RzEdit6", newPassword);
        QTest::mouseClick(w<QPushButton>("rzButton6"), Qt::LeftButton);
    }

    QVariantList passRows()
    {
        return fx.column(DatabaseKind::Results, QStringLiteral("SELECT name || '|' || parol FROM pass ORDER BY \"index\""));
    }
};

} // namespace

class TstLogin : public QObject {
    Q_OBJECT

private slots:
    void menusAskForTheLoginUntilItSucceeds()
    {
        Program p;
        auto *panel = p.w<QWidget>("rzpanel1");
        for (const char *top : {"N6", "N4", "N11"}) {
            panel->hide();
            p.openMenu(top);
            QVERIFY2(panel->isVisible(), top);
        }
        QCOMPARE(p.form->focusWidget(), p.edit("rzedit1"));
        QCOMPARE(p.edit("rzEdit2")->echoMode(), QLineEdit::Password);

        // "Закрыть" hides the panel and keeps what was typed.
        p.type("rzedit1", QStringLiteral("Admin"));
        QTest::mouseClick(p.w<QPushButton>("sButton1"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(p.edit("rzedit1")->text(), QStringLiteral("Admin"));

        // Keyboard only: Enter in the login box moves on, Enter in the password box logs in.
        p.openMenu("N6");
        p.type("rzedit1", QStringLiteral("Admin"));
        QTest::keyClick(p.edit("rzedit1"), Qt::Key_Return);
        QCOMPARE(p.form->focusWidget(), p.edit("rzEdit2"));
        p.type("rzEdit2", QStringLiteral("Secret"));
        QTest::keyClick(p.edit("rzEdit2"), Qt::Key_Return);
        QVERIFY(p.fx.dialogs.calls.isEmpty());
        QVERIFY(p.fx.context().loggedIn);
        QVERIFY(!panel->isVisible());
        for (const char *item : kUnlocked)
            QVERIFY2(p.enabled(item), item);
        QVERIFY(p.edit("rzedit1")->text().isEmpty() && p.edit("rzEdit2")->text().isEmpty());
        QVERIFY(!p.fx.context().apass.isActive());

        for (const char *top : {"N6", "N4", "N11"}) {
            p.openMenu(top);
            QVERIFY2(!panel->isVisible(), top);
        }
    }

    void refusedLogins_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("boxesEmptied");
        QTest::newRow("both empty") << "" << "" << kFillIn << false;
        QTest::newRow("password empty") << "Admin" << "" << kFillIn << false;
        QTest::newRow("login empty") << "" << "Secret" << kFillIn << false;
        QTest::newRow("login in other case") << "admin" << "Secret" << kWrongPair << true;
        QTest::newRow("password in other case") << "Admin" << "secret" << kWrongPair << true;
        QTest::newRow("unknown login") << "Teacher" << "Secret" << kWrongPair << true;
        QTest::newRow("quote in login") << "Admin\" or \"1\"=\"1" << "x\" or \"1\"=\"1" << kWrongPair << true;
    }
    void refusedLogins()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(bool, boxesEmptied);
        Program p;
        p.form->N6Click();
        p.login(login, password);
        QCOMPARE(p.fx.dialogs.informations(), QStringList{message});
        QVERIFY(p.fx.dialogs.errors().isEmpty());
        QCOMPARE(p.edit("rzedit1")->text(), boxesEmptied ? QString() : login);
        QCOMPARE(p.edit("rzEdit2")->text(), boxesEmptied ? QString() : password);
        QVERIFY(!p.fx.context().loggedIn);
        QVERIFY(p.w<QWidget>("rzpanel1")->isVisible());
        QVERIFY(!p.fx.context().apass.isActive());
        for (const char *item : kUnlocked) {
            if (qstrcmp(item, "N14") != 0)  // enabled from the start
                QVERIFY2(!p.enabled(item), item);
        }
    }

    // Rows differing only in the case of the name: the one whose name matches exactly is used.
    void namesDifferingInCaseAreDistinct()
    {
        AppFixture fx;
        fx.addAdmin(QStringLiteral("ADMIN"), PasswordHash::make(QStringLiteral("one")));
        fx.addAdmin(QStringLiteral("admin"), PasswordHash::make(QStringLiteral("two")));
        fx.start();
        TForm1 *form = fx.app->form1();
        auto *login = child<QLineEdit>(form, QStringLiteral("rzedit1"));
        auto *password = child<QLineEdit>(form, QStringLiteral("rzEdit2"));
        login->setText(QStringLiteral("admin"));
        password->setText(QStringLiteral("one"));
        form->findChild<QPushButton *>(QStringLiteral("sButton2"))->click();
        QCOMPARE(fx.dialogs.informations(), QStringList{kWrongPair});
        login->setText(QStringLiteral("admin"));
        password->setText(QStringLiteral("two"));
        form->findChild<QPushButton *>(QStringLiteral("sButton2"))->click();
        QVERIFY(fx.context().loggedIn);
    }

    void plainTextPasswordIsReplacedByAHash()
    {
        Program p(false);
        p.fx.addAdmin(QStringLiteral("Учитель"), QStringLiteral("Пароль"));
        p.login(QStringLiteral("Учитель"), QStringLiteral("пароль"));  // plain text still compared exactly
        QCOMPARE(p.fx.dialogs.informations(), QStringList{kWrongPair});
        QCOMPARE(p.passRows(), QVariantList{QStringLiteral("Учитель|Пароль")});

        p.login(QStringLiteral("Учитель"), QStringLiteral("Пароль"));
        QVERIFY(p.fx.context().loggedIn);
        const QString stored = p.fx.column(DatabaseKind::Results, QStringLiteral("SELECT parol FROM pass")).value(0).toString();
        QVERIFY(stored.startsWith(QStringLiteral("pbkdf2-sha256$")));
        QVERIFY(PasswordHash::verify(QStringLiteral("Пароль"), stored));
        QVERIFY(!PasswordHash::verify(QStringLiteral("пароль"), stored));

        // The next run logs in against the hash.
        p.fx.app.reset();
        p.fx.dialogs.clear();
        p.fx.start();
        p.form = p.fx.app->form1();
        p.login(QStringLiteral("Учитель"), QStringLiteral("Пароль"));
        QVERIFY(p.fx.dialogs.calls.isEmpty());
        QVERIFY(p.fx.context().loggedIn);
    }

    void credentialsChange()
    {
        Program p;
        p.form->menuItem(QStringLiteral("N13"))->trigger();
        auto *panel = p.w<QWidget>("rzPanel3");
        QVERIFY(panel->isVisible());
        QCOMPARE(p.form->focusWidget(), p.edit("RzEdit3"));
        QCOMPARE(p.edit("RzEdit4")->echoMode(), QLineEdit::Normal);

        // A new pair with double quotes is stored as typed and can log in.
        const QString newLogin = QStringLiteral("Учитель \"1\"");
        const QString newPassword = QStringLiteral("новый\"пароль'");
        p.changeCredentials(QStringLiteral("Admin"), QStringLiteral("Secret"), newLogin, newPassword);
        QCOMPARE(p.fx.dialogs.informations(), QStringList{kChanged});
        for (const char *box : {"RzEdit3", "RzEdit4", "RzEdit5", "RzEdit6"})
            QVERIFY2(p.edit(box)->text().isEmpty(), box);
        QVERIFY(panel->isVisible());
        QVERIFY(!p.fx.context().loggedIn);  // changing is not logging in
        const QStringList row = p.passRows().value(0).toString().split(QLatin1Char('|'));
        QCOMPARE(row.value(0), newLogin);
        QVERIFY(PasswordHash::isHash(row.value(1)));

        p.fx.dialogs.clear();
        p.login(QStringLiteral("Admin"), QStringLiteral("Secret"));
        QCOMPARE(p.fx.dialogs.informations(), QStringList{kWrongPair});
        QVERIFY(!p.fx.context().loggedIn);
        p.fx.dialogs.clear();
        p.login(newLogin, newPassword);
        QVERIFY(p.fx.dialogs.calls.isEmpty());
        QVERIFY(p.fx.context().loggedIn);

        // "Закрыть" hides the panel and keeps the text.
        p.type("RzEdit5", QStringLiteral("x"));
        QTest::mouseClick(p.w<QPushButton>("rzButton7"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(p.edit("RzEdit5")->text(), QStringLiteral("x"));
    }

    void credentialsRefused_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("message");
        QTest::newRow("new password empty") << QStringList{"Admin", "Secret", "Admin2", ""} << kAllFields;
        QTest::newRow("old login empty") << QStringList{"", "Secret", "Admin2", "x"} << kAllFields;
        QTest::newRow("wrong old password") << QStringList{"Admin", "secret", "Admin2", "x"} << kWrongOld;
        QTest::newRow("old login in other case") << QStringList{"ADMIN", "Secret", "Admin2", "x"} << kWrongOld;
    }
    void credentialsRefused()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        Program p;
        p.form->N13Click();
        const QVariantList before = p.passRows();
        p.changeCredentials(boxes[0], boxes[1], boxes[2], boxes[3]);
        QCOMPARE(p.fx.dialogs.informations(), QStringList{message});
        QCOMPARE(p.passRows(), before);
        const char *names[] = {"RzEdit3", "RzEdit4", "RzEdit5", "RzEdit6"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.edit(names[i])->text(), boxes[i]);
    }

    // The old password of a plain-text row is checked exactly; the new one is stored hashed.
    void credentialsChangeOnAPlainTextRow()
    {
        Program p(false);
        p.fx.addAdmin(QStringLiteral("admin"), QStringLiteral("admin"));
        p.changeCredentials(QStringLiteral("admin"), QStringLiteral("admin"), QStringLiteral("admin"),
                            QStringLiteral("длинный пароль"));
        QCOMPARE(p.fx.dialogs.informations(), QStringList{kChanged});
        const QString stored = p.fx.column(DatabaseKind::Results, QStringLiteral("SELECT parol FROM pass")).value(0).toString();
        QVERIFY(PasswordHash::verify(QStringLiteral("длинный пароль"), stored));
        QVERIFY(!stored.contains(QStringLiteral("длинный")));
    }

    void loginWithoutResultsDatabase()
    {
        Program p;
        p.fx.context().ADOConnection1.close();
        p.login(QStringLiteral("Admin"), QStringLiteral("Secret"));
        QCOMPARE(p.fx.dialogs.errors().size(), 1);
        QVERIFY(p.fx.dialogs.informations().isEmpty());
        QVERIFY(!p.fx.context().loggedIn);
        QVERIFY(!p.fx.context().apass.isActive());
    }
};

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
