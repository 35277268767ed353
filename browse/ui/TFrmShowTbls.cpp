#include "browse/ui/TFrmShowTbls.h"

#include "app/ui/TListBox.h"
#include "browse/ObjectStatements.h"
#include "browse/ui/TFrmSQL.h"
#include "session/DbError.h"

#include <QApplication>
#include <QLabel>

TFrmShowTbls::TFrmShowTbls(AppContext &context)
    : Screen(context, QStringLiteral("TFrmShowTbls"), QStringLiteral("Showing DB Objects"))
{
    LblTbls = makeLabel(QStringLiteral("LblTbls"), QStringLiteral("Click Table to View Records"));
    LstTbls = make<TListBox>(QStringLiteral("LstTbls"));
    LblSPs = makeLabel(QStringLiteral("LblSPs"), QStringLiteral("Click Procedure to View  Contents"));
    LstSPs = make<TListBox>(QStringLiteral("LstSPs"));
    LblTrigs = makeLabel(QStringLiteral("LblTrigs"), QStringLiteral("Click Trigger to View  Contents"));
    LstTrigName = make<TListBox>(QStringLiteral("LstTrigName"));

    const int top = 12, width = 240, gap = 16;
    const QList<QPair<QLabel *, TListBox *>> columns = {{LblTbls, LstTbls}, {LblSPs, LstSPs}, {LblTrigs, LstTrigName}};
    int left = gap;
    for (const auto &[label, list] : columns) {
        label->setGeometry(left, top, width, 20);
        list->setGeometry(left, top + 24, width, 380);
        left += width + gap;
    }
    resize(left, 440);

    on(LstTbls, &TListBox::Click, [this] { LstTblsClick(); });
    on(LstSPs, &TListBox::Click, [this] { LstSPsClick(); });
    on(LstTrigName, &TListBox::Click, [this] { LstTrigNameClick(); });
}

void TFrmShowTbls::FormShow()
{
    if (!session().SessionConnection) {
        messages().showMessage(QStringLiteral("Must select connection data first before you can\n\r"
                                              "add or remove any roles."));
        return;
    }
    TSQLConnection &connection = *session().SessionConnection;
    LstTbls->clear();
    LstTbls->setItems(connection.GetTableNames());
    SDSQryObjs.SQLConnection = &connection;
    LstSPs->setItems(listQuery(objects::procedureListQuery(), QStringLiteral("RDB$PROCEDURE_NAME")));
    LstTrigName->setItems(listQuery(objects::triggerListQuery(), QStringLiteral("RDB$TRIGGER_NAME")));
}

// The field of every row as text, untrimmed.
QStringList TFrmShowTbls::listQuery(const QString &sql, const QString &field)
{
    SDSQryObjs.Close();
    SDSQryObjs.setCommandText(sql);
    QStringList items;
    for (bool found = SDSQryObjs.FindFirst(); found; found = SDSQryObjs.FindNext())
        items << SDSQryObjs.FieldByName(field).AsString();
    SDSQryObjs.Close();
    return items;
}

void TFrmShowTbls::LstTblsClick()
{
    if (LstTbls->ItemIndex() >= 0)
        showConsole(QStringLiteral("TB"), objects::tableStatement(LstTbls->item(LstTbls->ItemIndex())->text()));
}

void TFrmShowTbls::LstSPsClick()
{
    if (LstSPs->ItemIndex() >= 0)
        showConsole(QStringLiteral("SP"), objects::procedureStatement(LstSPs->item(LstSPs->ItemIndex())->text()));
}

void TFrmShowTbls::LstTrigNameClick()
{
    if (LstTrigName->ItemIndex() >= 0)
        showConsole(QStringLiteral("TR"),
                    objects::triggerStatement(LstTrigName->item(LstTrigName->ItemIndex())->text()));
}

void TFrmShowTbls::showConsole(const QString &kind, const QString &statement)
{
    session().PendingSQLKind = kind;
    session().PendingSQL = statement;
    TFrmSQL *sql = console();
    if (!sql)
        throw DbError(QStringLiteral("The SQL console is not available"));
    context().shower->showModal(*sql);
}

TFrmSQL *TFrmShowTbls::console() const
{
    if (m_console)
        return m_console;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *sql = qobject_cast<TFrmSQL *>(widget))
            return sql;
    }
    return nullptr;
}
