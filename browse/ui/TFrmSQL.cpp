#include "browse/ui/TFrmSQL.h"

#include "app/ui/TMemo.h"
#include "browse/ConsoleStatement.h"
#include "browse/ui/ResultModel.h"
#include "browse/ui/TResultGrid.h"
#include "session/DbError.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {

constexpr int stripHeight = 25;
// Time given to reading rows before the window gets its events again.
constexpr auto stepBudget = std::chrono::milliseconds(15);
// How often the grid and the count take in the rows read since: drawing them
// after every step would cost more than reading them.
constexpr auto showEvery = std::chrono::milliseconds(150);

}

TFrmSQL::TFrmSQL(AppContext &context)
    : Screen(context, QStringLiteral("TFrmSQL"), QStringLiteral("Execute SQL statement"))
{
    CmdExecute = makeButton(QStringLiteral("CmdExecute"), QStringLiteral("Execute SQL Statement"));
    CmdExecute->setGeometry(0, 0, 170, stripHeight);
    LblRows = makeLabel(QStringLiteral("LblRows"), QString());
    LblRows->setGeometry(180, 0, 400, stripHeight);
    MmoSQL = make<TMemo>(QStringLiteral("MmoSQL"));
    JvDBGResults = make<TResultGrid>(QStringLiteral("JvDBGResults"));
    JvDBGResults->results().showBlank(1, 2);
    JvImg->setGeometry(0, 0, 700, stripHeight);
    resize(700, 500);

    m_loadTimer.setInterval(0);
    connect(&m_loadTimer, &QTimer::timeout, this, [this] { guarded([this] { loadStep(); }); });
    on(CmdExecute, &QPushButton::clicked, [this] { CmdExecuteClick(); });
}

TFrmSQL::~TFrmSQL()
{
    m_loadTimer.stop();
    JvDBGResults->results().stopLoad();
}

TSQLConnection &TFrmSQL::sharedConnection()
{
    if (!session().SessionConnection)
        throw DbError(QStringLiteral("Must open a connection first!"));
    return *session().SessionConnection;
}

template <typename Step> void TFrmSQL::onConnection(Step step)
{
    try {
        step();
    } catch (const DbError &error) {
        if (error.connectionLost() && session().SessionConnection) {
            stopLoad();
            session().SessionConnection->Close();
        }
        throw;
    }
}

void TFrmSQL::FormShow()
{
    m_showError.clear();
    try {
        stopLoad();
        SQLDS.SQLConnection = &sharedConnection();
        SQLDS.setCommandText(session().PendingSQL);
        SQLDS.Open();
        JvDBGResults->results().showBlank(JvDBGResults->ColCount(), int(JvDBGResults->RowCount()));
    } catch (const std::exception &error) {
        const auto *dbError = dynamic_cast<const DbError *>(&error);
        m_showError = dbError ? dbError->text() : QString::fromUtf8(error.what());
        MmoSQL->setText(QString());
    }

    const QString kind = session().PendingSQLKind;
    if (kind == QLatin1String("TB")) {
        MmoSQL->setText(session().PendingSQL);
        FillResultGrid(MmoSQL->Text());
    } else if (kind == QLatin1String("SP") || kind == QLatin1String("TR")) {
        if (!SQLDS.Active())
            throw DbError(m_showError);
        const QString field = kind == QLatin1String("SP") ? QStringLiteral("RDB$PROCEDURE_SOURCE")
                                                          : QStringLiteral("RDB$TRIGGER_SOURCE");
        // No such object: its source is nothing.
        MmoSQL->setText(SQLDS.Eof() ? QString() : SQLDS.FieldByName(field).AsString());
    }
}

void TFrmSQL::CmdExecuteClick()
{
    MmoSQL->setText(console::trimStatement(MmoSQL->Text()));
    stopLoad();
    if (console::runsAsQuery(MmoSQL->Text()))
        FillResultGrid(MmoSQL->Text());
    else
        onConnection([this] { sharedConnection().ExecuteDirect(MmoSQL->Text()); });
}

void TFrmSQL::FillResultGrid(const QString &statement)
{
    stopLoad();
    SQLDS.SQLConnection = &sharedConnection();
    SQLDS.setCommandText(statement);
    onConnection([this] { SQLDS.Open(); }); // a failure leaves the grid as it was
    JvDBGResults->results().load(SQLDS);
    showProgress(false);
    loadStep();
}

void TFrmSQL::loadStep()
{
    ResultModel &results = JvDBGResults->results();
    if (!results.loading()) {
        m_loadTimer.stop();
        return;
    }
    bool more = false;
    try {
        onConnection([&] { more = results.loadStep(stepBudget); });
    } catch (...) {
        // The rows read so far stay in the grid.
        stopLoad();
        LblRows->setText(QStringLiteral("%L1 rows (stopped)").arg(results.recordCount()));
        emit loadFinished();
        throw;
    }
    const auto now = std::chrono::steady_clock::now();
    const bool first = results.recordCount() == 0;
    if (!more || first || now - m_lastShown >= showEvery) {
        results.publish();
        m_lastShown = now;
        emit rowsLoaded(results.recordCount());
        if (more && !results.loading())
            return; // a listener stopped the load; stopLoad has said so
    }
    if (more) {
        showProgress(false);
        m_loadTimer.start();
    } else {
        m_loadTimer.stop();
        SQLDS.Close();
        showProgress(true);
        emit loadFinished();
    }
}

void TFrmSQL::stopLoad()
{
    m_loadTimer.stop();
    ResultModel &results = JvDBGResults->results();
    const bool wasLoading = results.loading();
    results.stopLoad();
    SQLDS.Close();
    if (wasLoading) {
        results.publish();
        LblRows->setText(QStringLiteral("%L1 rows (stopped)").arg(results.recordCount()));
        emit loadFinished();
    }
}

void TFrmSQL::showProgress(bool done)
{
    const qint64 rows = JvDBGResults->results().recordCount();
    LblRows->setText(done ? QStringLiteral("%L1 rows").arg(rows) : QStringLiteral("Loading... %L1 rows").arg(rows));
}

bool TFrmSQL::loading() const
{
    return JvDBGResults->results().loading();
}

void TFrmSQL::finishLoad()
{
    while (loading())
        guarded([this] { loadStep(); });
}

void TFrmSQL::FormClose()
{
    stopLoad();
    JvDBGResults->results().showBlank(1, 2);
    LblRows->clear();
}

void TFrmSQL::FormResize()
{
    const int w = width();
    const int h = height();
    const int top = int(std::lround(h * 0.6));
    JvDBGResults->setGeometry(0, top, w, h - top);
    MmoSQL->setGeometry(MmoSQL->x(), stripHeight, w, h - JvDBGResults->height() - stripHeight);
    JvImg->setGeometry(JvImg->x(), JvImg->y(), w, JvImg->height());
    LblRows->setGeometry(LblRows->x(), 0, qMax(0, w - LblRows->x()), stripHeight);
}
