#include "session/ui/TFrmOpen.h"

#include "app/ui/TComboBox.h"
#include "app/ui/TEdit.h"
#include "session/DbError.h"
#include "session/IniFile.h"
#include "session/StoredConnections.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TFrmOpen::TFrmOpen(AppContext &context) : Screen(context, QStringLiteral("TFrmOpen"), QStringLiteral("Open Connection"))
{
    LblConnName = makeLabel(QStringLiteral("LblConnName"),
                            QStringLiteral("Connection Name (Required to store connection information)"));
    TxtConnName = make<TEdit>(QStringLiteral("TxtConnName"));
    LblConns = makeLabel(QStringLiteral("LblConns"), QStringLiteral("Stored Connections"));
    CmbConns = make<TComboBox>(QStringLiteral("CmbConns"));
    CmbConns->setTypable(true);
    LblHostName = makeLabel(QStringLiteral("LblHostName"), QStringLiteral("Host Name"));
    TxtHostName = make<TEdit>(QStringLiteral("TxtHostName"));
    LblDBName = makeLabel(QStringLiteral("LblDBName"), QStringLiteral("Database Name"));
    TxtDBName = make<TEdit>(QStringLiteral("TxtDBName"));
    CmdDBBrowse = makeButton(QStringLiteral("CmdDBBrowse"), QStringLiteral("Browse"));
    LblUserName = makeLabel(QStringLiteral("LblUserName"), QStringLiteral("User Name"));
    TxtUserName = make<TEdit>(QStringLiteral("TxtUserName"));
    LblPassword = makeLabel(QStringLiteral("LblPassword"), QStringLiteral("Password"));
    TxtPassword = make<TEdit>(QStringLiteral("TxtPassword"));
    TxtPassword->setMasked();
    LblPort = makeLabel(QStringLiteral("LblPort"), QStringLiteral("Port/Alias"));
    TxtPort = make<TEdit>(QStringLiteral("TxtPort"));
    LblCreate = makeLabel(QStringLiteral("LblCreate"), QStringLiteral("Create New Database"));
    CmbCreate = make<TComboBox>(QStringLiteral("CmbCreate"));
    CmbCreate->setTypable(true);
    CmbCreate->addItems({QStringLiteral("False"), QStringLiteral("True")});
    CmdFinish = make<QPushButton>(QStringLiteral("CmdFinish"), QStringLiteral("Open/Create Connection"));
    CmdFinish->setAutoDefault(true);
    CmdFinish->setDefault(true); // Enter in any edit presses it
    LblConnState = makeLabel(QStringLiteral("LblConnState"), QString());

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(4);
    int row = 0;
    const auto labelled = [&](QLabel *label, QWidget *control, QWidget *beside = nullptr) {
        grid->addWidget(label, row++, 0, 1, 2);
        grid->addWidget(control, row, 0, 1, beside ? 1 : 2);
        if (beside)
            grid->addWidget(beside, row, 1);
        ++row;
    };
    labelled(LblConnName, TxtConnName);
    labelled(LblConns, CmbConns);
    labelled(LblHostName, TxtHostName);
    labelled(LblDBName, TxtDBName, CmdDBBrowse);
    labelled(LblUserName, TxtUserName);
    labelled(LblPassword, TxtPassword);
    labelled(LblPort, TxtPort);
    labelled(LblCreate, CmbCreate);
    grid->setRowMinimumHeight(row++, 8);
    grid->addWidget(CmdFinish, row, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(LblConnState, ++row, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    resize(460, sizeHint().height());

    on(CmbConns, &TComboBox::Change, [this] { CmbConnsChange(); });
    on(CmdDBBrowse, &QPushButton::clicked, [this] { CmdDBBrowseClick(); });
    on(CmdFinish, &QPushButton::clicked, [this] { CmdFinishClick(); });
}

void TFrmOpen::FormShow()
{
    session().connection();
    ConnectionsFile = StoredConnections::FileName;

    TxtConnName->setText(QString());
    TxtHostName->setText(QString());
    TxtDBName->setText(QString());
    TxtUserName->setText(QString());
    TxtPassword->setText(QString());
    CmbCreate->setItemIndex(0);
    TxtPort->setText(QStringLiteral("3050"));
    LblConnState->setText(QString());
    TxtConnName->setFocus();

    // A file that cannot be read lists nothing; storing into it is refused later.
    CmbConns->clear();
    CmbConns->addItems(IniFile(ConnectionsFile).sectionNames());
    CmbConns->setItemIndex(-1);
}

void TFrmOpen::CmbConnsChange()
{
    TxtConnName->setText(CmbConns->Text());
    const QStringList lines = IniFile(ConnectionsFile).sectionLines(TxtConnName->text());
    TxtHostName->setText(QString());
    TxtDBName->setText(QString());
    TxtUserName->setText(QString());
    TxtPassword->setText(QString());
    TxtPort->setText(QString());
    CmbCreate->setItemIndex(0);

    const StoredConnections::Fields fields = StoredConnections::fieldsFromLines(lines);
    TxtHostName->setText(fields.hostname);
    TxtDBName->setText(fields.database);
    TxtUserName->setText(fields.userName);
    TxtPassword->setText(fields.password);
    TxtPort->setText(fields.port);
}

void TFrmOpen::CmdDBBrowseClick()
{
    const QString chosen = context().files->openFileName(this, QStringLiteral("Database Name"));
    if (!chosen.isEmpty())
        m_dialogFileName = chosen;
    TxtDBName->setText(m_dialogFileName);
}

void TFrmOpen::CmdFinishClick()
{
    TSQLConnection &connection = session().connection();
    connection.Close();

    if (TxtPort->text().isEmpty()) {
        TxtPort->setText(QStringLiteral("3050"));
        messages().showMessage(QStringLiteral("Defaulting port to 3050"));
    }
    if (TxtConnName->text().isEmpty() || TxtHostName->text().isEmpty() || TxtDBName->text().isEmpty()
        || TxtUserName->text().isEmpty() || TxtPassword->text().isEmpty()) {
        messages().showMessage(QStringLiteral("Text boxes: Connection name, Host name, Database name, ") + LineBreak
                               + QStringLiteral("User name and Password can not be blank!"));
        return;
    }

    connection.LoginPrompt = false;
    connection.DriverName = QStringLiteral("Firebird");
    connection.ConnectionName = TxtConnName->text();
    connection.Params.setValue(QStringLiteral("Password"), TxtPassword->text());
    connection.Params.setValue(QStringLiteral("user_name"), TxtUserName->text());
    connection.Params.setValue(QStringLiteral("Port"), TxtPort->text());
    connection.Params.setValue(QStringLiteral("readonlydb"), QStringLiteral("False"));
    connection.Params.setValue(QStringLiteral("database"), TxtDBName->text());
    connection.Params.setValue(QStringLiteral("hostname"), TxtHostName->text());

    if (CmbCreate->Text() == QLatin1String("True") && !storeConnection())
        return;

    try {
        connection.Open();
    } catch (const DbError &) {
        LblConnState->setText(QStringLiteral("Error incorrect connection data"));
        return;
    }
    if (connection.Connected()) {
        LblConnState->setText(QStringLiteral("Connected"));
        accept();
    }
}

bool TFrmOpen::storeConnection()
{
    StoredConnections::Fields fields;
    fields.hostname = TxtHostName->text();
    fields.database = TxtDBName->text();
    fields.userName = TxtUserName->text();
    fields.password = TxtPassword->text();
    fields.port = TxtPort->text();
    try {
        StoredConnections::store(ConnectionsFile, TxtConnName->text(), fields);
    } catch (const IniError &error) {
        messages().showError(QStringLiteral("The connection was not stored and not opened.") + LineBreak + error.text());
        return false;
    }
    return true;
}
