// The SQL console on a large result, beside isql-fb fetching the same query.
//
//   console_bench [rows] [runs]       (defaults 1000000 and 3)
//
// Makes its own database with a table of six columns (INTEGER, VARCHAR(40),
// VARCHAR(200), DECIMAL(18,4), TIMESTAMP, a mostly-NULL text blob), then for
// the embedded engine, and for the loopback server when KELVANE_TEST_SERVER
// and KELVANE_TEST_PASSWORD are set, times in alternation:
//   isql   isql-fb running "SELECT * FROM BIG;" with its output to /dev/null
//   fetch  the data layer alone reading every value as text (for reference)
//   grid   "Execute SQL Statement" on the console until the grid holds every row
// and prints the medians, their ratio, the time until the grid first shows rows,
// the longest time the window went without handling events, and the memory the
// load took (peak resident set growth) against the text size of the result.
#include "app/ui/MessageSink.h"
#include "app/ui/TMemo.h"
#include "browse/ResultStore.h"
#include "browse/ui/ResultModel.h"
#include "browse/ui/TFrmSQL.h"
#include "browse/ui/TResultGrid.h"
#include "session/TSQLConnection.h"
#include "session/TSQLQuery.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace {

const char *const query = "SELECT * FROM BIG";
const QString user = QStringLiteral("SYSDBA");

class PrintingSink : public MessageSink {
public:
    void showMessage(const QString &text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    void showError(const QString &text) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
        failed = true;
    }
    bool failed = false;
};

long procStatusKb(const char *field)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void resetPeakRss()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Place {
    QString name;
    QString host; // "embedded" or the server's host
    QString port;
    QString password;
    QString path;
    QString address() const { return TSQLConnection::serverAddress(host, port, path); }
};

void configure(TSQLConnection &connection, const Place &place)
{
    connection.Params.setValue(QStringLiteral("hostname"), place.host);
    connection.Params.setValue(QStringLiteral("database"), place.path);
    connection.Params.setValue(QStringLiteral("user_name"), user);
    connection.Params.setValue(QStringLiteral("Password"), place.password);
    connection.Params.setValue(QStringLiteral("Port"), place.port);
}

void makeTable(const Place &place, long rows)
{
    TSQLConnection::CreateDatabase(place.address(), user, place.password);
    // Synchronous writes would make filling the table take minutes.
    if (QProcess::execute(QStringLiteral("gfix"), {QStringLiteral("-write"), QStringLiteral("async"), place.path}) != 0)
        std::fprintf(stderr, "gfix -write async failed; filling the table will be slow\n");
    TSQLConnection connection;
    configure(connection, place);
    connection.ExecuteDirect(QStringLiteral(
        "CREATE TABLE BIG (ID INTEGER NOT NULL, NAME VARCHAR(40), NOTE VARCHAR(200), AMOUNT DECIMAL(18,4), "
        "CREATED TIMESTAMP, MEMO BLOB SUB_TYPE TEXT)"));
    // One statement on the server side: no round trip per row.
    connection.ExecuteDirect(QStringLiteral(
        "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN WHILE (I <= %1) DO BEGIN "
        "INSERT INTO BIG VALUES (:I, 'customer name ' || :I, "
        "LEFT('The quick brown fox jumps over the lazy dog, again and again and again. ' || "
        "'Pack my box with five dozen liquor jugs; how vexingly quick daft zebras jump. ' || "
        "'Sphinx of black quartz, judge my vow.', 40 + MOD(:I * 7, 160)), "
        "CAST(:I AS DECIMAL(18,4)) * 12.3457 - 5000.0001, "
        "DATEADD(:I SECOND TO TIMESTAMP '2020-01-01 08:00:00.1234'), "
        "IIF(MOD(:I, 100) = 0, 'a note for row ' || :I, NULL)); "
        "I = I + 1; END END").arg(rows));
    connection.Close();
}

double runIsql(const Place &place, const QString &scriptPath)
{
    QProcess isql;
    isql.setStandardOutputFile(QProcess::nullDevice());
    isql.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-user"), user, QStringLiteral("-password"),
                                           place.password, QStringLiteral("-i"), scriptPath, place.address()});
    if (!isql.waitForFinished(-1) || isql.exitCode() != 0) {
        std::fprintf(stderr, "isql-fb failed (%d)\n", isql.exitCode());
        std::exit(1);
    }
    return clock.nsecsElapsed() / 1e9;
}

// The data layer alone: every value read as text into one scratch buffer.
double runFetch(const Place &place)
{
    TSQLConnection connection;
    configure(connection, place);
    connection.Open();
    QElapsedTimer clock;
    clock.start();
    TSQLQuery cursor(&connection);
    cursor.SQL = QString::fromLatin1(query);
    std::string scratch;
    for (cursor.Open(); !cursor.Eof(); cursor.Next()) {
        scratch.clear();
        for (int i = 0; i < cursor.FieldCount(); ++i)
            cursor.Fields(i).appendUtf8(scratch);
    }
    cursor.Close();
    const double seconds = clock.nsecsElapsed() / 1e9;
    connection.Close();
    return seconds;
}

struct GridRun {
    double seconds = 0;
    double firstRowsMs = -1;
    double longestStallMs = 0;
    double peakGrowthMb = 0;
    double textMb = 0;
    double heldMb = 0;
    qint64 rows = 0;
};

GridRun runGrid(const Place &place)
{
    PrintingSink sink;
    AppContext context;
    context.messages = &sink;
    context.session.SessionConnection = std::make_unique<TSQLConnection>();
    configure(*context.session.SessionConnection, place);
    context.session.SessionConnection->Open();
    GridRun run;
    {
        TFrmSQL console(context);
        console.show();
        QApplication::processEvents();
        console.findChild<TMemo *>(QStringLiteral("MmoSQL"))->setPlainText(QString::fromLatin1(query));
        auto *grid = console.findChild<TResultGrid *>(QStringLiteral("JvDBGResults"));

        QElapsedTimer clock;
        QElapsedTimer sinceTick;
        QTimer ticker; // how long the window goes without handling its events
        ticker.setInterval(2);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            run.longestStallMs = std::max(run.longestStallMs, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        bool firstSeen = false;
        QObject::connect(&console, &TFrmSQL::rowsLoaded, [&](qint64 rows) {
            if (firstSeen || rows == 0)
                return;
            firstSeen = true;
            // The rows are on screen once the window has painted them.
            grid->viewport()->repaint();
            run.firstRowsMs = clock.nsecsElapsed() / 1e6;
        });
        QEventLoop loop;
        QObject::connect(&console, &TFrmSQL::loadFinished, &loop, &QEventLoop::quit);

        malloc_trim(0);
        const long baseKb = procStatusKb("VmRSS:");
        resetPeakRss();
        clock.start();
        sinceTick.start();
        ticker.start();
        console.findChild<QPushButton *>(QStringLiteral("CmdExecute"))->click();
        if (console.loading())
            loop.exec();
        run.seconds = clock.nsecsElapsed() / 1e9;
        ticker.stop();
        const long peakKb = procStatusKb("VmHWM:");
        run.peakGrowthMb = (peakKb - baseKb) / 1024.0;
        run.rows = grid->RowCount() - 1;
        run.textMb = double(grid->results().store().textBytes()) / (1024.0 * 1024.0);
        run.heldMb = double(grid->results().store().heldBytes()) / (1024.0 * 1024.0);
        console.close();
    }
    if (sink.failed)
        std::exit(1);
    return run;
}

void benchPlace(const Place &place, long rows, int runs, const QString &scriptPath)
{
    std::printf("\n== %s (%s), %ld rows, %d runs each ==\n", qPrintable(place.name), qPrintable(place.address()), rows,
                runs);
    std::vector<double> isqlTimes, gridTimes, fetchTimes, ratios, firstRows, stalls, growth;
    GridRun last;
    for (int i = 0; i < runs; ++i) {
        const double isql = runIsql(place, scriptPath);
        const double fetch = runFetch(place);
        last = runGrid(place);
        if (last.rows != rows) {
            std::fprintf(stderr, "the grid holds %lld rows, not %ld\n", last.rows, rows);
            std::exit(1);
        }
        std::printf("run %d: isql-fb %.2f s, data layer %.2f s, grid %.2f s, ratio %.2f (first rows %.1f ms, longest stall %.1f ms, "
                    "peak growth %.0f MB)\n",
                    i + 1, isql, fetch, last.seconds, last.seconds / isql, last.firstRowsMs, last.longestStallMs, last.peakGrowthMb);
        std::fflush(stdout);
        isqlTimes.push_back(isql);
        gridTimes.push_back(last.seconds);
        fetchTimes.push_back(fetch);
        ratios.push_back(last.seconds / isql);
        firstRows.push_back(last.firstRowsMs);
        stalls.push_back(last.longestStallMs);
        growth.push_back(last.peakGrowthMb);
    }
    const double isql = median(isqlTimes), grid = median(gridTimes);
    std::printf("%s: isql-fb %.2f s, grid %.2f s (medians); ratio grid/isql: median of runs %.2f, worst run %.2f "
                "(goal <= 1.00)\n",
                qPrintable(place.name), isql, grid, median(ratios), *std::max_element(ratios.begin(), ratios.end()));
    std::printf("%s: the data layer alone reads it in %.2f s\n", qPrintable(place.name), median(fetchTimes));
    std::printf("%s: first rows shown after %.1f ms (goal <= 200), longest stall %.1f ms (median)\n",
                qPrintable(place.name), median(firstRows), median(stalls));
    std::printf("%s: result text %.0f MB, store holds %.0f MB, peak memory growth %.0f MB = %.2f x text (goal < 2)\n",
                qPrintable(place.name), last.textMb, last.heldMb, median(growth), median(growth) / last.textMb);
    std::fflush(stdout);
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;

    QTemporaryDir dir;
    const QString scriptPath = dir.filePath(QStringLiteral("select.sql"));
    {
        QFile script(scriptPath);
        script.open(QIODevice::WriteOnly);
        script.write(QByteArray(query) + ";\n");
    }
    Place embedded{QStringLiteral("embedded"), QStringLiteral("embedded"), {}, QStringLiteral("x"),
                   dir.filePath(QStringLiteral("bench.fdb"))};
    try {
        QElapsedTimer clock;
        clock.start();
        makeTable(embedded, rows);
        std::printf("made %ld rows in %.1f s\n", rows, clock.nsecsElapsed() / 1e9);
        // KELVANE_BENCH_ONLY=tcp or =embedded runs one side only.
        const QString only = qEnvironmentVariable("KELVANE_BENCH_ONLY");
        if (only != QLatin1String("tcp"))
            benchPlace(embedded, rows, runs, scriptPath);

        const QString server = qEnvironmentVariable("KELVANE_TEST_SERVER");
        if (only == QLatin1String("embedded")) {
        } else if (!server.isEmpty()) {
            Place tcp{QStringLiteral("tcp"), server.section(QLatin1Char('/'), 0, 0),
                      server.section(QLatin1Char('/'), 1, 1), qEnvironmentVariable("KELVANE_TEST_PASSWORD"),
                      embedded.path};
            benchPlace(tcp, rows, runs, scriptPath);
        } else {
            std::printf("\n(no KELVANE_TEST_SERVER: the loopback server part is skipped)\n");
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
