// The helpers every screen shares: selections, masks, a table's columns.
#include "app/ui/TListBox.h"
#include "session/DbError.h"
#include "session/Session.h"
#include "session/ui/CRTbl.h"
#include "tests/support/Scripted.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

#include <QtTest>

class SessionHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void selectedItemsInListOrder_data()
    {
        QTest::addColumn<bool>("multi");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("items 2 and 4 of 5") << true << QList<int>{3, 1} << QStringList{"B", "D"};
        QTest::newRow("nothing selected") << true << QList<int>{} << QStringList{};
        QTest::newRow("single selection gives nothing") << false << QList<int>{2} << QStringList{};
    }
    void selectedItemsInListOrder()
    {
        QFETCH(bool, multi);
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, expected);
        TListBox list;
        list.setItems({"A", "B", "C", "D", "E"});
        list.setMultiSelect(multi);
        list.resize(100, 200);
        list.show();
        for (int row : rows)
            ui::clickItem(&list, row);
        QCOMPARE(CRTbl::GetSelectedLst(&list), expected);
    }

    void maskPasswordOneStarPerCharacter_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("mask");
        QTest::newRow("three characters") << "abc" << "***";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("beyond the basic plane counts once") << QString::fromUtf8("é\xF0\x9D\x84\x9E") << "**";
    }
    void maskPasswordOneStarPerCharacter()
    {
        QFETCH(QString, password);
        QFETCH(QString, mask);
        QCOMPARE(MaskPassword(password), mask);
    }

    void fieldsForTableInColumnOrder()
    {
        auto db = TestDatabase::embedded({"CREATE TABLE T (Z INTEGER, A VARCHAR(5), M DATE)"});
        TestContext context;
        db->configure(context.session.connection());
        context.session.connection().Open();
        QCOMPARE(CRTbl(context).FieldsForTable("T"), QStringList({"Z", "A", "M"}));
        QVERIFY(context.sink.messages.isEmpty());
    }

    void fieldsForTableReopensAClosedConnectionWithItsOwnParameters()
    {
        auto db = TestDatabase::server({"CREATE TABLE T (A INTEGER, B INTEGER)"});
        if (!db->isValid())
            QSKIP("no loopback test server is running");
        TestContext context;
        db->configure(context.session.connection());
        TSQLConnection *before = context.session.SessionConnection.get();
        QCOMPARE(CRTbl(context).FieldsForTable("T"), QStringList({"A", "B"}));
        QCOMPARE(context.session.SessionConnection.get(), before);
        QVERIFY(context.session.SessionConnection->Connected());
        QCOMPARE(context.session.SessionConnection->Params.value("hostname"), db->host());
        QVERIFY(context.sink.messages.isEmpty());
    }

    void fieldsForTableOnANeverConfiguredConnectionFails()
    {
        TestContext context;
        QVERIFY_THROWS_EXCEPTION(DbError, CRTbl(context).FieldsForTable("T"));
        QCOMPARE(context.sink.messages, QStringList{"Connection is unable to connect"});
        QVERIFY(context.session.SessionConnection);
        QVERIFY(context.session.SessionConnection->Params.isEmpty());
    }
};

QTEST_MAIN(SessionHelpersTest)
#include "tst_sessionhelpers.moc"
