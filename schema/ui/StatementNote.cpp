#include "schema/ui/StatementNote.h"

#include "app/ui/Screen.h"
#include "session/DbError.h"
#include "session/QueryDeadline.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

StatementNote::StatementNote(Screen &screen) : QObject(&screen), m_screen(screen)
{
    m_row = new QWidget(&screen);
    LblSqlNote = new QLabel(m_row);
    LblSqlNote->setObjectName(QStringLiteral("LblSqlNote"));
    LblSqlNote->setWordWrap(true);
    CmdCheckNow = new QPushButton(QStringLiteral("Check now"), m_row);
    CmdCheckNow->setObjectName(QStringLiteral("CmdCheckNow"));
    CmdCheckNow->setAutoDefault(false);
    CmdCheckNow->hide();
    CmdShowRows = new QPushButton(QStringLiteral("Show rows"), m_row);
    CmdShowRows->setObjectName(QStringLiteral("CmdShowRows"));
    CmdShowRows->setAutoDefault(false);
    CmdShowRows->hide();
    auto *layout = new QHBoxLayout(m_row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LblSqlNote, 1);
    layout->addWidget(CmdCheckNow);
    layout->addWidget(CmdShowRows);

    connect(CmdCheckNow, &QPushButton::clicked, this, [this] { m_screen.guarded([this] { CmdCheckNowClick(); }); });
    connect(CmdShowRows, &QPushButton::clicked, this, [this] { m_screen.guarded([this] { CmdShowRowsClick(); }); });
    connect(&m_background, &BackgroundQuery::finished, this, &StatementNote::backgroundFinished);
}

QString StatementNote::text() const
{
    return LblSqlNote->text();
}

void StatementNote::clear()
{
    say(QString());
}

void StatementNote::say(const QString &text)
{
    m_background.cancel();
    m_waiting = Waiting::Nothing;
    m_check = DataCheck();
    LblSqlNote->setText(text);
    CmdCheckNow->hide();
    CmdShowRows->hide();
}

void StatementNote::check(const DataCheck &check)
{
    if (check == m_check)
        return;
    say(QString());
    m_check = check;
    std::optional<QStringList> row;
    try {
        row = firstRowWithin(m_screen.session().connection(), checkQuery(check, CheckRowLimit),
                             std::chrono::milliseconds(CheckCancelAfterMs));
    } catch (const DbError &error) {
        // A check is information: its failure is said, never raised.
        LblSqlNote->setText(QStringLiteral("not checked: ") + error.text().section(QLatin1Char('\n'), 0, 0));
        return;
    }
    if (row) {
        const CheckCounts counts = readCounts(*row);
        if (counts.rows <= CheckRowLimit) {
            showVerdict(counts);
            return;
        }
    }
    // Too large to check while the window waits: counted in the background.
    LblSqlNote->setText(largeTableLine(-1));
    CmdCheckNow->show();
    m_waiting = Waiting::Count;
    m_background.start(m_screen.session().connection().Params, rowCountQuery(check.table));
}

void StatementNote::showVerdict(const CheckCounts &counts)
{
    LblSqlNote->setText(checkVerdict(m_check, counts));
    CmdCheckNow->hide();
    CmdShowRows->setVisible(counts.offending > 0);
}

void StatementNote::CmdCheckNowClick()
{
    if (m_check.kind == DataCheck::Kind::None)
        return;
    LblSqlNote->setText(QStringLiteral("checking the whole table..."));
    CmdCheckNow->hide();
    m_waiting = Waiting::Check;
    m_background.start(m_screen.session().connection().Params, checkQuery(m_check, 0));
}

void StatementNote::backgroundFinished(const QStringList &row, const QString &error)
{
    const Waiting waited = m_waiting;
    m_waiting = Waiting::Nothing;
    if (!error.isEmpty()) {
        LblSqlNote->setText(QStringLiteral("not checked: ") + error.section(QLatin1Char('\n'), 0, 0));
        CmdCheckNow->show();
    } else if (waited == Waiting::Count) {
        LblSqlNote->setText(largeTableLine(row.value(0).toLongLong()));
    } else if (waited == Waiting::Check) {
        showVerdict(readCounts(row));
    }
    emit updated();
}

void StatementNote::CmdShowRowsClick()
{
    Session &session = m_screen.session();
    session.PendingSQLKind = QStringLiteral("TB");
    session.PendingSQL = offendingRowsQuery(m_check);
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *screen = qobject_cast<Screen *>(widget);
        if (screen && screen->objectName() == QLatin1String("TFrmSQL")) {
            m_screen.context().shower->showModal(*screen);
            return;
        }
    }
    throw DbError(QStringLiteral("The SQL console is not available"));
}
