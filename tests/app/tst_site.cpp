#include "support/AppFixture.h"

#include "app/TForm1.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolButton>
#include <QtTest>

#include <map>

using namespace vorkast;
using namespace vorkast::test;

namespace {

const QString kNoSite = QStringLiteral("Вы не подключены к интернету или сайт Pelmark не доступен.");
const QString kTestsBefore = QStringLiteral("В данный момент на сайте Pelmark имеется ");
const QString kTestsAfter = QStringLiteral(" вариантов тестов.");
const QString kVersionBefore = QStringLiteral("В данный момент на сайте Pelmark последняя версия программы - ");
const QString kVersionAfter = QStringLiteral(" .");

// A loopback HTTP server answering GETs from a table of paths; unknown paths get 404.
// In silent mode it accepts connections and never answers.
class TinyHttpServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray contentType = "text/plain";
        QByteArray body;
    };

    TinyHttpServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            }
        });
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()); }

    std::map<QByteArray, Answer> answers;
    bool silent = false;
    QList<QByteArray> requested;
    bool busyCursorSeen = false;

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
        requested << first.value(1);
        const QCursor *cursor = QGuiApplication::overrideCursor();
        busyCursorSeen = cursor && cursor->shape() == Qt::WaitCursor;
        if (silent)
            return;
        const auto it = answers.find(first.value(1));
        const Answer answer = it != answers.end() ? it->second : Answer{404, "text/html", "<h1>Not found</h1>"};
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " X\r\nContent-Type: "
            + answer.contentType + "\r\nContent-Length: " + QByteArray::number(answer.body.size())
            + "\r\nConnection: close\r\n\r\n" + answer.body;
        socket->write(reply);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    std::map<QTcpSocket *, QByteArray> m_pending;
};

// The program over a fixture, with the site at `url`.
struct Program {
    AppFixture fx;
    TForm1 *form = nullptr;

    explicit Program(const QString &url = QStringLiteral("http://www.example.invalid/"))
    {
        fx.start();
        fx.context().siteUrl = url;
        fx.context().siteTimeoutMs = 1000;
        form = fx.app->form1();
    }
    QWidget *w(const char *name) { return child<QWidget>(form, QString::fromLatin1(name)); }
    void trigger(const char *item) { form->menuItem(QString::fromLatin1(item))->trigger(); }
};

} // namespace

class TstSite : public QObject {
    Q_OBJECT

private slots:
    void fetch_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        QTest::newRow("number of tests") << QByteArray("N16") << 200 << QByteArray("text/plain") << QByteArray("125")
                                         << kTestsBefore + "125" + kTestsAfter;
        QTest::newRow("version") << QByteArray("N17") << 200 << QByteArray("text/plain; charset=utf-8")
                                 << QByteArray("2.5.1 (бета)\n") << kVersionBefore + "2.5.1 (бета)" + kVersionAfter;
        QTest::newRow("empty file") << QByteArray("N16") << 200 << QByteArray("text/plain") << QByteArray()
                                    << kTestsBefore + kTestsAfter;
        QTest::newRow("first line only") << QByteArray("N16") << 200 << QByteArray("text/plain")
                                         << QByteArray("140\r\nвторая строка\r\n") << kTestsBefore + "140" + kTestsAfter;
        QTest::newRow("legacy code page") << QByteArray("N17") << 200 << QByteArray()
                                          << QByteArray("\xe2\xe5\xf0\xf1\xe8\xff 3\n")
                                          << kVersionBefore + QStringLiteral("версия 3") + kVersionAfter;
        QTest::newRow("not found") << QByteArray("N16") << 404 << QByteArray("text/plain") << QByteArray("125")
                                   << kNoSite;
        QTest::newRow("server error") << QByteArray("N17") << 500 << QByteArray("text/plain") << QByteArray("2.5")
                                      << kNoSite;
        QTest::newRow("picture in place of text") << QByteArray("N16") << 200 << QByteArray("image/png")
                                                  << QByteArray("125") << kNoSite;
        QTest::newRow("binary body") << QByteArray("N17") << 200 << QByteArray("text/plain")
                                     << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << kNoSite;
    }
    void fetch()
    {
        QFETCH(QByteArray, item);
        QFETCH(int, status);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        TinyHttpServer server;
        const QByteArray path = item == "N16" ? "/files/tests.txt" : "/files/version.txt";
        server.answers[path] = {status, contentType, body};
        Program p(server.url());
        p.trigger(item.constData());
        QCOMPARE(p.fx.dialogs.informations(), QStringList{message});
        QCOMPARE(p.fx.dialogs.calls.size(), 1);
        QCOMPARE(server.requested, QList<QByteArray>{path});
        QVERIFY(server.busyCursorSeen);
        QVERIFY(!QGuiApplication::overrideCursor());
        // Nothing is left behind in the program's folders.
        QCOMPARE(QDir(p.fx.workDir).entryList(QDir::Files).size(), 2);
        QCOMPARE(QDir(p.fx.binDir).entryList(QDir::Files), QStringList{QStringLiteral("config.ini")});
    }

    void noServer()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        closed.close();
        Program p(url);
        p.trigger("N16");
        p.trigger("N17");
        QCOMPARE(p.fx.dialogs.informations(), (QStringList{kNoSite, kNoSite}));
    }

    void serverThatNeverAnswers()
    {
        TinyHttpServer server;
        server.silent = true;
        Program p(server.url());
        p.fx.context().siteTimeoutMs = 300;
        p.trigger("N17");
        QCOMPARE(p.fx.dialogs.informations(), QStringList{kNoSite});
        QCOMPARE(server.requested.size(), 1);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void panelsOpenAndCloseIndependently()
    {
        Program p;
        QWidget *about = p.w("rzpanel2");
        QWidget *donation = p.w("sPanel4");
        p.trigger("N9");
        QVERIFY(about->isVisible() && !donation->isVisible());
        p.trigger("N18");
        p.trigger("N18");  // already visible: stays so
        QVERIFY(about->isVisible() && donation->isVisible());
        QTest::mouseClick(child<QPushButton>(p.form, QStringLiteral("rzbutton5")), Qt::LeftButton);
        QVERIFY(!about->isVisible() && donation->isVisible());
        p.trigger("N9");
        QTest::mouseClick(child<QToolButton>(p.form, QStringLiteral("sSpeedButton1")), Qt::LeftButton);
        QVERIFY(about->isVisible() && !donation->isVisible());
        QVERIFY(p.fx.dialogs.calls.isEmpty());
    }

    void linksOpenTheSite_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        QTest::newRow("corner link") << "RzURLLabel2" << "";
        QTest::newRow("corner picture") << "Image1" << "";
        QTest::newRow("about panel link") << "RzURLLabel1" << "";
        QTest::newRow("donation picture") << "Image2" << "";
        QTest::newRow("donation link") << "RzURLLabel3" << "help.html";
    }
    void linksOpenTheSite()
    {
        QFETCH(QString, control);
        QFETCH(QString, page);
        Program p(QStringLiteral("http://site.example/"));
        p.trigger("N9");
        p.trigger("N18");
        QWidget *target = child<QWidget>(p.form, control);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(target->width() / 2, target->height() / 2));
        QCOMPARE(p.fx.opener.opened, QList<QUrl>{QUrl(QStringLiteral("http://site.example/") + page)});
        QVERIFY(p.fx.dialogs.calls.isEmpty());
    }

    void linkThatCannotBeOpened()
    {
        Program p(QStringLiteral("http://site.example/"));
        p.fx.opener.succeed = false;
        QTest::mouseClick(p.w("RzURLLabel2"), Qt::LeftButton);
        QCOMPARE(p.fx.dialogs.errors().size(), 1);
        QVERIFY(p.fx.dialogs.errors()[0].contains(QStringLiteral("http://site.example/")));
    }
};

QTEST_MAIN(TstSite)
#include "tst_site.moc"
