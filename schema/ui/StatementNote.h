#pragma once

#include "schema/DataCheck.h"
#include "session/BackgroundQuery.h"

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;
class Screen;

// The line under a composed statement, with its two buttons. It says why
// nothing was composed, or what the server will say about the data the change
// meets: a check that reads at most CheckRowLimit rows, in the transaction the
// screen reads in, cancelled so the window never waits longer than CheckBudgetMs. A larger table is
// counted, and checked in full on demand ("Check now"), on an attachment of
// its own in the background, so the window does not wait. "Show rows" hands
// the rows that stand in the way to the SQL console.
// Information only: the statement and the commit are the screen's as before.
class StatementNote : public QObject {
    Q_OBJECT
public:
    // Makes LblSqlNote, CmdCheckNow and CmdShowRows on the screen, in one row.
    explicit StatementNote(Screen &screen);

    QWidget *row() const { return m_row; }
    QString text() const;

    // No line, no buttons, nothing left running.
    void clear();
    // A line of its own (why nothing was composed, or what the server refuses
    // whatever the data).
    void say(const QString &text);
    // Checks the data for the change, unless it is the check already shown.
    void check(const DataCheck &check);

signals:
    // A background count or check has come in and the line shows it.
    void updated();

private:
    void CmdCheckNowClick();
    void CmdShowRowsClick();
    void showVerdict(const CheckCounts &counts);
    void backgroundFinished(const QStringList &row, const QString &error);

    enum class Waiting { Nothing, Count, Check };

    Screen &m_screen;
    QWidget *m_row;
    QLabel *LblSqlNote;
    QPushButton *CmdCheckNow;
    QPushButton *CmdShowRows;
    DataCheck m_check;
    Waiting m_waiting = Waiting::Nothing;
    BackgroundQuery m_background;
};
