#include "platform/PasswordHash.h"

#include <QtTest>

using namespace vorkast;

namespace {
// Made by an independent PBKDF2-HMAC-SHA256 implementation for "Пароль" (UTF-8).
const QString kThousandRounds =
    QStringLiteral("pbkdf2-sha256$1000$MDEyMzQ1Njc4OWFiY2RlZg==$aSJ0SnBDpZ021ZIsMiimtyRvkbEth0BidFJeVTQuqJw=");
} // namespace

class TstPasswordHash : public QObject {
    Q_OBJECT

private slots:
    void newHashes()
    {
        const QString a = PasswordHash::make(QStringLiteral("Пароль \"1\""));
        const QString b = PasswordHash::make(QStringLiteral("Пароль \"1\""));
        QVERIFY(a != b);  // salted
        QVERIFY(a.startsWith(QStringLiteral("pbkdf2-sha256$%1$").arg(PasswordHash::kIterations)));
        QVERIFY(a.size() <= 255);
        QVERIFY(PasswordHash::isHash(a));
        QVERIFY(!PasswordHash::needsUpgrade(a));
        QVERIFY(PasswordHash::verify(QStringLiteral("Пароль \"1\""), a));
        QVERIFY(PasswordHash::verify(QStringLiteral("Пароль \"1\""), b));
        QVERIFY(!PasswordHash::verify(QStringLiteral("пароль \"1\""), a));
        QVERIFY(!PasswordHash::verify(QString(), a));
    }

    void storedByAnotherImplementation()
    {
        QVERIFY(PasswordHash::verify(QStringLiteral("Пароль"), kThousandRounds));
        QVERIFY(!PasswordHash::verify(QStringLiteral("Пароль "), kThousandRounds));
        QVERIFY(PasswordHash::needsUpgrade(kThousandRounds));  // fewer rounds than new hashes get
    }

    // Anything not in the hash form is an old plain-text password, compared exactly.
    void plainText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("word") << "admin";
        QTest::newRow("empty") << "";
        QTest::newRow("dollar signs") << "a$b$c$d";
        QTest::newRow("unknown scheme") << "md5$1000$MDEy$aSJ0";
        QTest::newRow("rounds not a number") << "pbkdf2-sha256$many$MDEyMzQ1Njc4OWFiY2RlZg==$aSJ0";
        QTest::newRow("absurd rounds") << "pbkdf2-sha256$99999999999$MDEyMzQ1Njc4OWFiY2RlZg==$aSJ0SnBD";
        QTest::newRow("bad base64") << "pbkdf2-sha256$1000$!!!$aSJ0SnBD";
    }
    void plainText()
    {
        QFETCH(QString, stored);
        QVERIFY(!PasswordHash::isHash(stored));
        QVERIFY(PasswordHash::needsUpgrade(stored));
        QVERIFY(PasswordHash::verify(stored, stored));
        QVERIFY(!PasswordHash::verify(stored.toUpper() + QLatin1Char('x'), stored));
    }
};

QTEST_GUILESS_MAIN(TstPasswordHash)
#include "tst_passwordhash.moc"
