#include "createdb/ui/TFrmCreateDB.h"

#include "app/IsqlLocationFile.h"
#include "app/ui/Screens.h"
#include "app/ui/TEdit.h"
#include "app/ui/TMemo.h"
#include "app/ui/TRadioGroup.h"
#include "createdb/CreateDbMessages.h"
#include "createdb/CreateDbStatements.h"
#include "createdb/DatabaseProbe.h"
#include "createdb/FirebirdTools.h"
#include "createdb/PrivateFile.h"
#include "createdb/ScratchDatabase.h"
#include "createdb/ui/ToolRun.h"
#include "session/DbError.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <optional>

using namespace CreateDbMessages;

namespace {

const QString AdministratorOption = QStringLiteral("Create Database for Administrator");
const QString NamedOwnerOption = QStringLiteral("Create Database With Named Owner");
const QString LocalOption = QStringLiteral("Local Connection");
const QString RemoteOption = QStringLiteral("Remote Connection");

// Why no file can be made at the path (a missing or unwritable folder); empty
// when one can. Asked before any tool runs, so that a failing creation has
// added no owner.
QString fileCreationError(const QString &path)
{
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QStringLiteral("Cannot create %1: %2").arg(path, probe.errorString());
    probe.close();
    probe.remove();
    return QString();
}

}

TFrmCreateDB::TFrmCreateDB(AppContext &context, Screens &screens)
    : Screen(context, QStringLiteral("TFrmCreateDB"), QStringLiteral("Create Firebird Database")), m_screens(screens)
{
    RdoCreateDB = make<TRadioGroup>(QStringLiteral("RdoCreateDB"), QStringLiteral("Choose an option"),
                                    QStringList{AdministratorOption, NamedOwnerOption});
    LblOwner = makeLabel(QStringLiteral("LblOwner"), QStringLiteral("Database Owner"));
    TxtOwner = make<TEdit>(QStringLiteral("TxtOwner"));
    LblDBName = makeLabel(QStringLiteral("LblDBName"), QStringLiteral("Path/Name for Database"));
    TxtDBName = make<TEdit>(QStringLiteral("TxtDBName"));
    CmdDBBrowse = makeButton(QStringLiteral("CmdDBBrowse"), QStringLiteral("Browse"));
    LblPWD = makeLabel(QStringLiteral("LblPWD"), QStringLiteral("Password"));
    TxtPWD = make<TEdit>(QStringLiteral("TxtPWD"));
    LblHost = makeLabel(QStringLiteral("LblHost"), QStringLiteral("Host Name (default localhost)"));
    TxtHost = make<TEdit>(QStringLiteral("TxtHost"));
    LblPort = makeLabel(QStringLiteral("LblPort"), QStringLiteral("Port/Alias (default 3050)"));
    TxtPort = make<TEdit>(QStringLiteral("TxtPort"));
    LblPgSize = makeLabel(QStringLiteral("LblPgSize"), QStringLiteral("Page Size (default 8192)"));
    TxtPgSize = make<TEdit>(QStringLiteral("TxtPgSize"));
    LblAdminPW = makeLabel(QStringLiteral("LblAdminPW"), QStringLiteral("Administration Password (SYSDBA)"));
    TxtAdminPW = make<TEdit>(QStringLiteral("TxtAdminPW"));
    RdoLocRem = make<TRadioGroup>(QStringLiteral("RdoLocRem"), QStringLiteral("Choose an option"),
                                  QStringList{LocalOption, RemoteOption});
    RdoLocRem->setItemIndex(0);
    LblSQL = makeLabel(QStringLiteral("LblSQL"), QStringLiteral("Proposed ISQL command line"));
    MmoSQL = make<TMemo>(QStringLiteral("MmoSQL"));
    MmoSQL->setEnabled(false); // display only
    CmdCpyClip = makeButton(QStringLiteral("CmdCpyClip"), QStringLiteral("Copy Probosed Command Line to Clipboard"));
    CmdCreate = makeButton(QStringLiteral("CmdCreate"), QStringLiteral("Create Firebird Database"));
    for (QWidget *control : {static_cast<QWidget *>(TxtOwner), static_cast<QWidget *>(TxtDBName),
                             static_cast<QWidget *>(TxtHost), static_cast<QWidget *>(TxtPort),
                             static_cast<QWidget *>(TxtAdminPW), static_cast<QWidget *>(CmdCreate)})
        control->setEnabled(false);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(4);
    grid->addWidget(RdoCreateDB, 0, 0, 1, 2);
    grid->addWidget(RdoLocRem, 0, 2, 1, 2);
    int row = 1;
    const auto pair = [&](QLabel *leftLabel, QWidget *left, QLabel *rightLabel, QWidget *right) {
        grid->addWidget(leftLabel, row, 0, 1, 2);
        grid->addWidget(rightLabel, row++, 2, 1, 2);
        grid->addWidget(left, row, 0, 1, 2);
        grid->addWidget(right, row++, 2, 1, 2);
    };
    pair(LblOwner, TxtOwner, LblHost, TxtHost);
    pair(LblPWD, TxtPWD, LblPort, TxtPort);
    pair(LblAdminPW, TxtAdminPW, LblPgSize, TxtPgSize);
    grid->addWidget(LblDBName, row++, 0, 1, 4);
    grid->addWidget(TxtDBName, row, 0, 1, 3);
    grid->addWidget(CmdDBBrowse, row++, 3);
    grid->addWidget(LblSQL, row++, 0, 1, 4);
    grid->addWidget(MmoSQL, row++, 0, 1, 4);
    grid->addWidget(CmdCpyClip, row, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(CmdCreate, row, 2, 1, 2, Qt::AlignRight);
    grid->setRowStretch(row - 1, 1);
    resize(620, 520);

    on(RdoCreateDB, &TRadioGroup::Change, [this] { RdoCreateDBClick(); });
    on(RdoLocRem, &TRadioGroup::Change, [this] { RdoLocRemClick(); });
    for (TEdit *edit : {TxtDBName, TxtOwner, TxtPgSize, TxtPWD, TxtAdminPW})
        on(edit, &TEdit::Change, [this] { composeFromEdits(); });
    for (TEdit *edit : {TxtHost, TxtPort}) {
        on(edit, &TEdit::Change, [this] {
            if (remote())
                composeFromEdits();
        });
    }
    on(CmdDBBrowse, &QPushButton::clicked, [this] { CmdDBBrowseClick(); });
    on(CmdCpyClip, &QPushButton::clicked, [this] { CmdCpyClipClick(); });
    on(CmdCreate, &QPushButton::clicked, [this] { CmdCreateClick(); });
}

bool TFrmCreateDB::namedOwner() const
{
    return RdoCreateDB->selectedText() == NamedOwnerOption;
}

bool TFrmCreateDB::remote() const
{
    return RdoLocRem->selectedText() == RemoteOption;
}

void TFrmCreateDB::composeFromEdits()
{
    ComposeCreateDB(TxtOwner->text(), TxtPWD->text(), TxtDBName->text());
}

void TFrmCreateDB::ComposeCreateDB(const QString &Owner, const QString &Password, const QString &DBPath)
{
    CreateDbInput input;
    input.namedOwner = namedOwner();
    input.remote = remote();
    input.owner = Owner;
    input.password = Password;
    input.dbPath = DBPath;
    input.host = TxtHost->text();
    input.port = TxtPort->text();
    input.pageSize = TxtPgSize->text();
    input.adminPassword = TxtAdminPW->text();
    const CreateDbComposition composed = composeCreateDb(input);
    CmdCreate->setEnabled(composed.canCreate);
    if (input.namedOwner)
        GsecArguments = composed.gsecArguments;
    MmoSQL->setText(composed.text);
}

void TFrmCreateDB::RdoCreateDBClick()
{
    TxtDBName->setEnabled(true);
    if (RdoCreateDB->selectedText() == AdministratorOption) {
        session().SavedOwner = TxtOwner->text();
        TxtOwner->setText(QStringLiteral("SYSDBA"));
        TxtOwner->setEnabled(false);
        TxtAdminPW->setEnabled(false);
    } else if (namedOwner()) {
        TxtOwner->setEnabled(true);
        TxtOwner->setText(session().SavedOwner);
        TxtAdminPW->setEnabled(true);
    }
}

void TFrmCreateDB::RdoLocRemClick()
{
    TxtHost->setEnabled(remote());
    TxtPort->setEnabled(remote());
    composeFromEdits();
}

void TFrmCreateDB::FormShow()
{
    TxtHost->setEnabled(false);
    TxtPort->setEnabled(false);
    TxtAdminPW->setText(session().SysdbaPassword);
    TxtAdminPW->setEnabled(false);
    try {
        IsqlLocationFile().readFolder();
    } catch (const IsqlLocationError &) {
        askForToolsFolder();
    }
    TxtOwner->setText(QString());
    TxtOwner->setEnabled(false);
    TxtDBName->setText(QString());
    TxtDBName->setEnabled(false);
    RdoCreateDB->setItemIndex(-1);
    CmdCreate->setEnabled(false);
}

void TFrmCreateDB::askForToolsFolder()
{
    messages().showMessage(isqlNotFound());
    Screen &location = *m_screens.byName(QStringLiteral("TFrmisqlLocation"));
    context().shower->showModal(location);
    while (session().IsqlFolder.isEmpty()) {
        messages().showMessage(mustSelectIsql());
        context().shower->showModal(location);
    }
    IsqlLocationFile().writeFolder(session().IsqlFolder);
}

void TFrmCreateDB::FormClose()
{
    RdoLocRem->setItemIndex(0);
    TxtAdminPW->setText(QString());
}

void TFrmCreateDB::CmdDBBrowseClick()
{
    const QString chosen = context().files->openFileName(this, LblDBName->text(), DialogFilter);
    if (!chosen.isEmpty())
        m_dialogFileName = chosen;
    TxtDBName->setText(m_dialogFileName);
}

void TFrmCreateDB::CmdCpyClipClick()
{
    MmoSQL->selectAll();
    context().clipboard->setText(MmoSQL->Text());
}

void TFrmCreateDB::CmdCreateClick()
{
    // Each real change recomposes the text and gsec's arguments from the trimmed values.
    for (TEdit *edit : {TxtDBName, TxtOwner, TxtPWD, TxtHost, TxtPort})
        edit->setText(edit->text().trimmed());
    if (TxtPgSize->text().trimmed().isEmpty())
        TxtPgSize->setText(QStringLiteral("8192"));

    const FirebirdTools tools(IsqlLocationFile().readFolder());
    PrivateFile::write(ScriptFile, createDbScriptText(MmoSQL->Text()).toLocal8Bit());

    const QString path = TxtDBName->text();
    const QString name = databaseFileName(path);
    if (remote())
        createRemote(tools, path, name);
    else
        createLocal(tools, path, name);
}

bool TFrmCreateDB::takeAdminPassword()
{
    session().SysdbaPassword = TxtAdminPW->text();
    if (!session().SysdbaPassword.isEmpty())
        return true;
    messages().showMessage(adminPasswordRequired());
    TxtAdminPW->setFocus();
    return false;
}

QString TFrmCreateDB::missingTools(const FirebirdTools &tools) const
{
    if (tools.isql().isEmpty())
        return QStringLiteral("There is no isql-fb or isql program in %1.").arg(tools.folder());
    if (namedOwner() && tools.gsec().isEmpty())
        return QStringLiteral("There is no gsec program in %1.").arg(tools.folder());
    return QString();
}

void TFrmCreateDB::createLocal(const FirebirdTools &tools, const QString &path, const QString &name)
{
    if (QFileInfo::exists(path)) {
        messages().showMessage(alreadyExists(name));
        return;
    }
    if (namedOwner() && !takeAdminPassword())
        return;
    QString failure = missingTools(tools);
    if (failure.isEmpty())
        failure = fileCreationError(path);
    if (failure.isEmpty() && namedOwner())
        failure = addOwner(tools, QString());
    if (failure.isEmpty())
        failure = runIsql(tools);
    if (failure.isEmpty() && QFileInfo::exists(path))
        messages().showMessage(created(name));
    else
        messages().showMessage(withDetail(notCreated(name), failure));
}

void TFrmCreateDB::createRemote(const FirebirdTools &tools, const QString &path, const QString &name)
{
    const QString host = TxtHost->text();
    const QString port = TxtPort->text();
    if (host.isEmpty()) {
        messages().showMessage(hostRequired());
        return;
    }
    if (namedOwner() && !takeAdminPassword())
        return;
    if (const QString missing = missingTools(tools); !missing.isEmpty()) {
        messages().showMessage(withDetail(notCreated(name), missing));
        return;
    }
    // The administrator opens any database of the server: one that opens is there.
    const QString adminPassword = namedOwner() ? session().SysdbaPassword : TxtPWD->text();
    if (databaseOpenError(host, port, path, QStringLiteral("SYSDBA"), adminPassword).isEmpty()) {
        messages().showMessage(alreadyExists(name));
        return;
    }

    if (namedOwner()) {
        try {
            ScratchDatabase scratch(host, port, path, adminPassword);
            if (const QString failure = addOwner(tools, securityDatabaseAddress(host, port)); !failure.isEmpty()) {
                messages().showMessage(withDetail(notCreated(name), failure));
                return;
            }
            scratch.execute(grantCreateDatabaseStatement(TxtOwner->text()));
            scratch.drop();
        } catch (const DbError &error) {
            messages().showMessage(withDetail(notCreated(name), error.text()));
            return;
        }
    }

    bool timedOut = false;
    if (const QString failure = runIsql(tools, &timedOut); !failure.isEmpty()) {
        // Stopped while the server worked: it may still have made the database.
        messages().showMessage(withDetail(timedOut ? mayNotHaveBeenCreated(name) : notCreated(name), failure));
        return;
    }
    const QString why = databaseOpenError(host, port, path, TxtOwner->text(), TxtPWD->text());
    messages().showMessage(why.isEmpty() ? created(name) : withDetail(mayNotHaveBeenCreated(name), why));
}

QString TFrmCreateDB::addOwner(const FirebirdTools &tools, const QString &securityDatabase)
{
    const PasswordFile passwordFile(session().SysdbaPassword);
    const QString owner = TxtOwner->text();
    // An owner known there already keeps its password; adding it again would fail.
    const ToolRun shown(*context().processes, tools.gsec(),
                        gsecDisplayArguments(passwordFile.path(), securityDatabase, owner));
    if (!shown.succeeded())
        return shown.failure();
    if (gsecListsUser(shown.output(), owner))
        return QString();
    const ToolRun added(*context().processes, tools.gsec(),
                        gsecAddArguments(passwordFile.path(), securityDatabase, owner, TxtPWD->text()));
    return added.failure();
}

QString TFrmCreateDB::runIsql(const FirebirdTools &tools, bool *timedOut)
{
    const ToolRun run(*context().processes, tools.isql(), {QStringLiteral("-i"), ScriptFile});
    if (timedOut)
        *timedOut = run.timedOut();
    return run.failure();
}
