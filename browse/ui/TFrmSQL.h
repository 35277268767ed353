#pragma once

#include "app/ui/Screen.h"
#include "session/TSQLDataSet.h"

#include <QTimer>

class QLabel;
class QPushButton;
class TMemo;
class TResultGrid;

// "Execute SQL statement": runs one typed statement on the session's
// connection. A statement whose first six characters read SELECT fills the
// grid with its result; any other is executed directly.
// A result is loaded in steps between events, so the window stays alive and
// shows how many rows it holds so far; a new statement or closing the window
// ends the load.
class TFrmSQL : public Screen {
    Q_OBJECT
public:
    explicit TFrmSQL(AppContext &context);
    ~TFrmSQL() override;

    void CmdExecuteClick();
    void FillResultGrid(const QString &statement);

    bool loading() const;
    // Loads the rest of the result now (tests and benchmarks wait with it).
    void finishLoad();

signals:
    void rowsLoaded(qint64 rows);
    // The whole result is in the grid, or its load was ended early.
    void loadFinished();

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

private:
    void loadStep();
    void stopLoad();
    void showProgress(bool done);
    TSQLConnection &sharedConnection();
    // Runs a step on the shared connection; a connection found lost is closed
    // before the failure goes on, so the next statement reopens it.
    template <typename Step> void onConnection(Step step);

    QPushButton *CmdExecute;
    TMemo *MmoSQL;
    TResultGrid *JvDBGResults;
    QLabel *LblRows;
    TSQLDataSet SQLDS;
    QTimer m_loadTimer;
    std::chrono::steady_clock::time_point m_lastShown;
    QString m_showError;
};
