#include "createdb/CreateDbStatements.h"

#include "session/Session.h"
#include "session/SqlText.h"

namespace {

const QString Administrator = QStringLiteral("SYSDBA");

QStringList gsecStart(const QString &passwordFile, const QString &securityDatabase)
{
    QStringList arguments{QStringLiteral("-user"), Administrator, QStringLiteral("-fetch_password"), passwordFile};
    if (!securityDatabase.isEmpty())
        arguments << QStringLiteral("-database") << securityDatabase;
    return arguments;
}

}

QString remoteDatabaseAddress(const QString &host, const QString &portText, const QString &path)
{
    const QString port = portText.isEmpty() ? QString() : QLatin1Char('/') + portText.trimmed();
    return host + port + QLatin1Char(':') + path;
}

QString securityDatabaseAddress(const QString &host, const QString &port)
{
    return remoteDatabaseAddress(host, port, QStringLiteral("security.db"));
}

CreateDbComposition composeCreateDb(const CreateDbInput &input)
{
    const QString owner = input.owner.trimmed();
    const QString password = input.password.trimmed();
    const QString dbPath = input.dbPath.trimmed();
    QString pageSize = input.pageSize.trimmed();

    CreateDbComposition result;
    result.canCreate = !owner.isEmpty() && !dbPath.isEmpty() && !password.isEmpty();
    if (pageSize.isEmpty())
        pageSize = QStringLiteral("8192");

    QString gsecLine;
    if (input.namedOwner) {
        result.gsecArguments = QStringLiteral(" -user SYSDBA -password ") + input.adminPassword + QStringLiteral(" -add ")
            + input.owner + QStringLiteral(" -pw ") + input.password;
        gsecLine = QStringLiteral("gsec -user SYSDBA -password ") + MaskPassword(input.adminPassword)
            + QStringLiteral(" -add ") + input.owner + QStringLiteral(" -pw ") + input.password + QLatin1Char(';')
            + LineBreak;
    }
    const QString target = input.remote ? remoteDatabaseAddress(input.host.trimmed(), input.port, dbPath) : dbPath;
    result.text = gsecLine + QStringLiteral("CREATE DATABASE ") + sqlQuoted(target) + QStringLiteral(" page_size ")
        + pageSize + QStringLiteral(" USER ") + sqlQuoted(owner) + QStringLiteral(" PASSWORD ") + sqlQuoted(password)
        + QLatin1Char(';');
    return result;
}

QString createDbScriptText(const QString &proposedText)
{
    QStringList lines = proposedText.split(LineBreak);
    for (QString &line : lines) {
        if (line.startsWith(QLatin1String("gsec ")))
            line.prepend(QLatin1String("-- "));
    }
    return lines.join(LineBreak) + LineBreak;
}

QString databaseFileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QStringList gsecAddArguments(const QString &passwordFile, const QString &securityDatabase, const QString &owner,
                             const QString &ownerPassword)
{
    return gsecStart(passwordFile, securityDatabase)
        << QStringLiteral("-add") << owner << QStringLiteral("-pw") << ownerPassword;
}

QStringList gsecDisplayArguments(const QString &passwordFile, const QString &securityDatabase, const QString &owner)
{
    return gsecStart(passwordFile, securityDatabase) << QStringLiteral("-display") << owner;
}

bool gsecListsUser(const QString &output, const QString &owner)
{
    const QString name = owner.toUpper();
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        if (line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty) == name)
            return true;
    }
    return false;
}

QString grantCreateDatabaseStatement(const QString &owner)
{
    // A user name logs in upper-cased, so the grant names it that way.
    return QStringLiteral("GRANT CREATE DATABASE TO USER ") + sqlIdentifier(owner.toUpper());
}
