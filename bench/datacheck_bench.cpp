// The data checks of the schema editors on a large table.
//
//   datacheck_bench [rows] [runs]       (defaults 1000000 and 3)
//
// Makes its own embedded database with a table BIG of that many rows (ID,
// QTY with a NULL every 100,000 rows, A and B with repeated pairs, PID
// referring to PARENT with some orphans), then for each check the editors
// run, through the line under the statement as the screens use it, times:
//   quick  the check while the window waits (at most 10,000 rows read, cancelled
//          after 120 ms so that the window waits no more than 200 ms)
//   count  the row count in the background, until its line is shown
//   full   "Check now": the whole table in the background, until its line is shown
// and the longest time the window went without handling its events, over
// everything; then how soon a query that would run on for minutes gives the
// window back once its time is spent. Prints each line the screen showed.
#include "app/ui/MessageSink.h"
#include "app/ui/Screen.h"
#include "schema/DataCheck.h"
#include "schema/ui/StatementNote.h"
#include "session/QueryDeadline.h"
#include "session/TSQLConnection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

class PrintingSink : public MessageSink {
public:
    void showMessage(const QString &text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    void showError(const QString &text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void makeTable(TSQLConnection &connection, const QString &path, long rows)
{
    TSQLConnection::CreateDatabase(path, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    // Synchronous writes would make filling the table take minutes.
    if (QProcess::execute(QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("async"), path}) != 0)
        std::fprintf(stderr, "gfix -write async failed; filling the table will be slow\n");
    connection.ExecuteDirect(QStringLiteral("CREATE TABLE PARENT (ID INTEGER NOT NULL PRIMARY KEY)"));
    connection.ExecuteDirect(QStringLiteral(
        "CREATE TABLE BIG (ID INTEGER NOT NULL, QTY INTEGER, A INTEGER, B VARCHAR(20), PID INTEGER, NOTE VARCHAR(40))"));
    connection.ExecuteDirect(QStringLiteral(
        "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 1000) DO BEGIN "
        "INSERT INTO PARENT VALUES (:I); I = I + 1; END END"));
    connection.ExecuteDirect(QStringLiteral(
        "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < %1) DO BEGIN "
        "INSERT INTO BIG VALUES (:I, IIF(MOD(:I, 100000) = 7, NULL, :I), MOD(:I, 1000), 'b' || MOD(:I, 997), "
        "MOD(:I, 1003), 'note ' || :I); I = I + 1; END END").arg(rows));
}

DataCheck makeCheck(DataCheck::Kind kind, const QStringList &fields, const QString &parent = QString(),
                    const QStringList &parentFields = {})
{
    DataCheck check;
    check.kind = kind;
    check.table = QStringLiteral("BIG");
    check.fields = fields;
    check.parentTable = parent;
    check.parentFields = parentFields;
    return check;
}

}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("checks.fdb"));
    AppContext context;
    PrintingSink sink;
    context.messages = &sink;
    TSQLConnection &connection = context.session.connection();
    connection.Params.setValue(QStringLiteral("Password"), QStringLiteral("masterkey"));
    connection.Params.setValue(QStringLiteral("user_name"), QStringLiteral("SYSDBA"));
    connection.Params.setValue(QStringLiteral("database"), path);
    connection.Params.setValue(QStringLiteral("hostname"), QStringLiteral("embedded"));
    QElapsedTimer fill;
    fill.start();
    makeTable(connection, path, rows);
    std::printf("table of %ld rows made in %.1f s\n", rows, fill.elapsed() / 1000.0);

    Screen screen(context, QStringLiteral("TFrmBench"), QStringLiteral("bench"));
    auto *note = new StatementNote(screen);
    auto *line = screen.findChild<QLabel *>(QStringLiteral("LblSqlNote"));
    auto *checkNow = screen.findChild<QPushButton *>(QStringLiteral("CmdCheckNow"));
    screen.show();

    // How long the window goes without handling its events.
    double longestStallMs = 0;
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestStallMs = std::max(longestStallMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    ticker.start();
    auto waitForUpdate = [&] {
        QEventLoop loop;
        QObject::connect(note, &StatementNote::updated, &loop, &QEventLoop::quit);
        QTimer::singleShot(600000, &loop, &QEventLoop::quit);
        loop.exec();
    };

    const struct {
        const char *name;
        DataCheck check;
    } checks[] = {
        {"NOT NULL", makeCheck(DataCheck::Kind::NotNull, {QStringLiteral("QTY")})},
        {"unique, one field", makeCheck(DataCheck::Kind::Unique, {QStringLiteral("NOTE")})},
        {"unique, two fields", makeCheck(DataCheck::Kind::Unique, {QStringLiteral("A"), QStringLiteral("B")})},
        {"foreign key", makeCheck(DataCheck::Kind::Orphans, {QStringLiteral("PID")}, QStringLiteral("PARENT"), {QStringLiteral("ID")})},
    };
    std::printf("%-20s %10s %10s %10s\n", "check", "quick ms", "count s", "full s");
    for (const auto &entry : checks) {
        std::vector<double> quick, count, full;
        QString lines;
        for (int run = 0; run < runs; ++run) {
            note->clear();
            QCoreApplication::processEvents();
            sinceTick.restart();
            QElapsedTimer clock;
            clock.start();
            note->check(entry.check);
            quick.push_back(clock.nsecsElapsed() / 1e6);
            const QString first = line->text();
            if (checkNow->isHidden()) {
                lines = first; // checked while the window waited
                continue;
            }
            clock.restart();
            waitForUpdate();
            count.push_back(clock.nsecsElapsed() / 1e9);
            const QString counted = line->text();
            clock.restart();
            checkNow->click();
            waitForUpdate();
            full.push_back(clock.nsecsElapsed() / 1e9);
            lines = first + " | " + counted + " | " + line->text();
        }
        std::printf("%-20s %10.1f %10.2f %10.2f\n", entry.name, *std::max_element(quick.begin(), quick.end()),
                    count.empty() ? 0.0 : median(count), full.empty() ? 0.0 : median(full));
        std::printf("    %s\n", qPrintable(lines));
    }
    // A query that runs on and on: how soon the wait ends once the time is spent.
    std::vector<double> cancelled;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const bool gaveUp = !firstRowWithin(connection, QStringLiteral("SELECT COUNT(*) FROM BIG A CROSS JOIN BIG B"),
                                            std::chrono::milliseconds(CheckCancelAfterMs));
        cancelled.push_back(clock.nsecsElapsed() / 1e6);
        if (!gaveUp)
            std::printf("the endless query was not cancelled\n");
    }
    std::printf("a query cancelled after %d ms: back after %.1f ms at the most\n", CheckCancelAfterMs,
                *std::max_element(cancelled.begin(), cancelled.end()));
    std::printf("longest time without handling events: %.1f ms\n", longestStallMs);
    return 0;
}
