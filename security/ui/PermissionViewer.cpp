#include "security/ui/PermissionViewer.h"

#include "app/ui/TListBox.h"
#include "app/ui/TMemo.h"
#include "security/SecurityCatalog.h"
#include "session/TSQLQuery.h"

#include <QLabel>
#include <QVBoxLayout>

PermissionViewer::PermissionViewer(AppContext &context, const QString &name, const QString &caption,
                                   const QString &instructions)
    : Screen(context, name, caption)
{
    auto *layout = new QVBoxLayout(this);
    if (!instructions.isNull()) {
        LblInstructions = makeLabel(QStringLiteral("LblInstructions"), instructions);
        layout->addWidget(LblInstructions);
    }
    LstUserPerm = make<TListBox>(QStringLiteral("LstUserPerm"));
    LblSqlStatement = makeLabel(QStringLiteral("LblSqlStatement"), QStringLiteral("SQL Statement"));
    TxtSql = make<TMemo>(QStringLiteral("TxtSql"));
    TxtSql->setReadOnly(true);
    layout->addWidget(LstUserPerm, 3);
    layout->addWidget(LblSqlStatement);
    layout->addWidget(TxtSql, 2);
    resize(460, 480);
}

void PermissionViewer::clearView()
{
    LstUserPerm->clear();
    TxtSql->setText(QString());
}

void PermissionViewer::showAndList(TSQLQuery &query)
{
    TxtSql->setText(query.SQL);
    readValues(query, QString(), Padding::Trimmed, [this](const QString &value) { LstUserPerm->addItem(value); });
}

void PermissionViewer::listWhileConnected(const std::function<QString()> &compose)
{
    clearView();
    TSQLConnection &connection = session().connection();
    TSQLQuery query(&connection);
    connection.LoginPrompt = false;
    connection.DriverName = QStringLiteral("Firebird");
    connection.Open();
    query.SQL = compose();
    if (!query.SQL.isEmpty())
        showAndList(query);
    // Every later use of the connection opens it again with its own parameters.
    connection.Close();
    TxtSql->setText(query.SQL);
}
