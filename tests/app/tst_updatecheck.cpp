// The update check's pieces: the version split and compare, the version's
// place in the document, and the bounded fetch against a loopback server.
#include "app/DocumentFetch.h"
#include "app/UpdateCheck.h"
#include "app/UpdateSettings.h"
#include "session/IniFile.h"
#include "tests/support/LoopbackHttpServer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

class UpdateCheckTest : public QObject {
    Q_OBJECT

private slots:
    void splitsIntoFourParts_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("four parts") << "1.2.3.4" << QStringList{"1", "2", "3", "4"};
        QTest::newRow("fifth part stays with the fourth") << "1.2.3.4.5" << QStringList{"1", "2", "3", "4.5"};
        QTest::newRow("two parts: the rest is the fourth") << "1.2" << QStringList{"1", "", "", "2"};
        QTest::newRow("no dot at all") << "7" << QStringList{"", "", "", "7"};
        QTest::newRow("empty text") << "" << QStringList{"", "", "", ""};
        QTest::newRow("empty parts between dots") << "1..3.4" << QStringList{"1", "", "3", "4"};
    }
    void splitsIntoFourParts()
    {
        QFETCH(QString, version);
        QFETCH(QStringList, parts);
        QCOMPARE(SplitVersion(version), parts);
    }

    void comparesWithOurVersion_data()
    {
        QTest::addColumn<QString>("remote");
        QTest::addColumn<bool>("newer");
        QTest::newRow("fourth part higher") << "1.0.0.1" << true;
        QTest::newRow("third part higher") << "1.0.1.0" << true;
        QTest::newRow("second part higher") << "1.1.0.0" << true;
        QTest::newRow("first part higher") << "2.0.0.0" << true;
        QTest::newRow("equal") << "1.0.0.0" << false;
        QTest::newRow("first part lower") << "0.9.0.0" << false;
        QTest::newRow("first part decides over higher later parts") << "0.9.9.9" << false;
        QTest::newRow("numbers, not text: 10 above 9") << "1.0.0.10" << true;
        QTest::newRow("parts after the decision are not converted") << "0.x.y.z" << false;
        QTest::newRow("a higher first part decides before empty parts") << "2.5" << true;
    }
    void comparesWithOurVersion()
    {
        QFETCH(QString, remote);
        QFETCH(bool, newer);
        QCOMPARE(AppVersion, QString("1.0.0.0"));
        QCOMPARE(IsNewerVersion(remote), newer);
    }

    void aPartThatIsNoNumberIsAConversionError_data()
    {
        QTest::addColumn<QString>("remote");
        QTest::addColumn<QString>("part");
        QTest::newRow("two parts: empty second part") << "1.2" << "\"\"";
        QTest::newRow("letters in the last part") << "1.0.0.x" << "\"x\"";
        QTest::newRow("fifth part kept in the fourth") << "1.0.0.0.1" << "\"0.1\"";
        QTest::newRow("empty version") << "" << "\"\"";
    }
    void aPartThatIsNoNumberIsAConversionError()
    {
        QFETCH(QString, remote);
        QFETCH(QString, part);
        try {
            IsNewerVersion(remote);
            QFAIL("no conversion error");
        } catch (const UpdateError &error) {
            QVERIFY2(error.text().startsWith(part + " in the version"), qPrintable(error.text()));
            QVERIFY(error.text().contains("not a valid integer value"));
        }
    }

    void findsTheVersionByPosition_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("version");
        QTest::newRow("root and child") << QByteArray("<a><b>1.0.0.1</b></a>") << "1.0.0.1";
        QTest::newRow("whitespace between elements is no node")
            << QByteArray("\n<update>\n  <version>2.0.0.0</version>\n  <other>x</other>\n</update>\n") << "2.0.0.0";
        QTest::newRow("names are not looked at") << QByteArray("<x><notes>1.1.0.0</notes><version>9.9.9.9</version></x>")
                                                 << "1.1.0.0";
        QTest::newRow("a third node with markup gives all its text")
            << QByteArray("<a><b><c><i>3</i>.0.0.0</c><d>.1</d></b></a>") << "3.0.0.0";
    }
    void findsTheVersionByPosition()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, version);
        QCOMPARE(DocumentVersion(document), version);
    }

    void aDocumentWithoutAVersionInPlaceIsAnError_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("message");
        QTest::newRow("xml declaration first")
            << QByteArray("<?xml version=\"1.0\"?>\n<a><b>1.0.0.1</b></a>") << "has no version where it belongs";
        QTest::newRow("comment first") << QByteArray("<!-- v --><a><b>1.0.0.1</b></a>") << "has no version where it belongs";
        QTest::newRow("root without children") << QByteArray("<a/>") << "has no version where it belongs";
        QTest::newRow("child without text") << QByteArray("<a><b/></a>") << "has no version where it belongs";
        QTest::newRow("not well-formed") << QByteArray("<a><b>1.0.0.1</a>") << "is not well-formed";
        QTest::newRow("empty document") << QByteArray() << "is not well-formed";
        QTest::newRow("an html error page") << QByteArray("<html><body><p>Oops</body></html>") << "is not well-formed";
    }
    void aDocumentWithoutAVersionInPlaceIsAnError()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, message);
        try {
            DocumentVersion(document);
            QFAIL("no error");
        } catch (const UpdateError &error) {
            QVERIFY2(error.text().contains(message), qPrintable(error.text()));
        }
    }

    void theSettingsFileMayNameTheDocument_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("url");
        QTest::newRow("no file") << QByteArray() << UpdateCheck::DocumentUrl;
        QTest::newRow("no URL key") << QByteArray("[UPDATE]\r\nCheckUpdate=1\r\n") << UpdateCheck::DocumentUrl;
        QTest::newRow("empty URL") << QByteArray("[UPDATE]\r\nURL=\r\n") << UpdateCheck::DocumentUrl;
        QTest::newRow("URL given") << QByteArray("[update]\r\nurl = http://mirror.test/K.xml\r\n")
                                   << "http://mirror.test/K.xml";
        QTest::newRow("URL in another section") << QByteArray("[OTHER]\r\nURL=http://x.test/\r\n")
                                                << UpdateCheck::DocumentUrl;
    }
    void theSettingsFileMayNameTheDocument()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, url);
        QTemporaryDir dir;
        const QString path = dir.filePath("Kelvane.ini");
        if (!settings.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(settings);
        }
        QCOMPARE(UpdateSettings::documentUrl(IniFile(path)), url);
    }

    void fetchesTheDocument_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << "/Kelvane.xml";
        QTest::newRow("after a redirect") << "/old/Kelvane.xml";
    }
    void fetchesTheDocument()
    {
        QFETCH(QString, path);
        LoopbackHttpServer server;
        server.answer("/Kelvane.xml", "<a><b>1.0.0.1</b></a>");
        server.answer("/old/Kelvane.xml", {302, {}, "Location: " + server.url("/Kelvane.xml").toLatin1() + "\r\n", false});
        QCOMPARE(DocumentFetch::fetch(server.url(path)), QByteArray("<a><b>1.0.0.1</b></a>"));
    }

    void aFailedFetchIsAnErrorNamingTheAddress_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not found") << "/missing.xml" << "the server answered 404 Not Found";
        QTest::newRow("server error") << "/broken.xml" << "the server answered 500 Internal Server Error";
        QTest::newRow("larger than allowed") << "/huge.xml" << "the document is larger than 1 MB";
        QTest::newRow("redirected in a loop") << "/loop.xml" << "Too many redirects";
        QTest::newRow("not a web address") << "file" << "not an http or https address";
    }
    void aFailedFetchIsAnErrorNamingTheAddress()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        LoopbackHttpServer server;
        server.answer("/broken.xml", {500, "oops", {}, false});
        server.answer("/huge.xml", QByteArray(DocumentFetch::MaxBytes + 1, ' '));
        server.answer("/loop.xml", {302, {}, "Location: " + server.url("/loop.xml").toLatin1() + "\r\n", false});
        const QString url = path == "file" ? QString("file:///etc/hostname") : server.url(path);
        try {
            DocumentFetch::fetch(url);
            QFAIL("no error");
        } catch (const FetchError &error) {
            QVERIFY2(error.text().startsWith("Cannot fetch " + url + ": "), qPrintable(error.text()));
            QVERIFY2(error.text().contains(reason, Qt::CaseInsensitive), qPrintable(error.text()));
        }
    }

    void aDocumentOfExactlyTheLimitIsTaken()
    {
        LoopbackHttpServer server;
        server.answer("/Kelvane.xml", QByteArray(DocumentFetch::MaxBytes, ' '));
        QCOMPARE(DocumentFetch::fetch(server.url("/Kelvane.xml")).size(), DocumentFetch::MaxBytes);
    }

    void aClosedPortIsAnError()
    {
        const QString url = LoopbackHttpServer::closedPortUrl("/Kelvane.xml");
        try {
            DocumentFetch::fetch(url);
            QFAIL("no error");
        } catch (const FetchError &error) {
            QVERIFY2(error.text().contains("refused", Qt::CaseInsensitive), qPrintable(error.text()));
        }
    }

    // A server that accepts and then says nothing holds the caller no longer
    // than the bound.
    void aSilentServerIsCutOffAtTheBound()
    {
        LoopbackHttpServer server;
        server.answer("/Kelvane.xml", {200, {}, {}, true});
        QElapsedTimer clock;
        clock.start();
        try {
            DocumentFetch::fetch(server.url("/Kelvane.xml"), 400);
            QFAIL("no error");
        } catch (const FetchError &error) {
            QVERIFY2(error.text().endsWith("no complete answer within 0.4 seconds"), qPrintable(error.text()));
        }
        QCOMPARE(server.requested, QStringList{"/Kelvane.xml"});
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "tst_updatecheck.moc"
