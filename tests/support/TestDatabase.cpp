#include "tests/support/TestDatabase.h"

#include "session/DbError.h"
#include "session/TSQLQuery.h"

#include <QDir>
#include <QtTest>

namespace {

QString serverSetting()
{
    return qEnvironmentVariable("KELVANE_TEST_SERVER");
}

}

bool TestDatabase::serverAvailable()
{
    return !serverSetting().isEmpty();
}

std::unique_ptr<TestDatabase> TestDatabase::embedded(const QStringList &setup)
{
    std::unique_ptr<TestDatabase> db(new TestDatabase);
    db->create(QStringLiteral("embedded"), QString(), QStringLiteral("masterkey"), setup);
    return db;
}

std::unique_ptr<TestDatabase> TestDatabase::server(const QStringList &setup)
{
    std::unique_ptr<TestDatabase> db(new TestDatabase);
    const QString setting = serverSetting();
    if (setting.isEmpty())
        return db;
    const QString host = setting.section(QLatin1Char('/'), 0, 0);
    const QString port = setting.section(QLatin1Char('/'), 1, 1);
    db->create(host, port, qEnvironmentVariable("KELVANE_TEST_PASSWORD"), setup);
    return db;
}

std::unique_ptr<TestDatabase> TestDatabase::make(const QString &where, const QStringList &setup)
{
    return where == QLatin1String("server") ? server(setup) : embedded(setup);
}

bool TestDatabase::create(const QString &host, const QString &port, const QString &password, const QStringList &setup)
{
    m_host = host;
    m_port = port;
    m_password = password;
    m_path = QDir(m_dir.path()).filePath(QStringLiteral("test.fdb"));
    TSQLConnection::CreateDatabase(TSQLConnection::serverAddress(host, port, m_path), user(), password);
    m_valid = true;
    exec(setup);
    return true;
}

void TestDatabase::configure(TSQLConnection &connection) const
{
    connection.Params.clear();
    connection.Params.setValue(QStringLiteral("Password"), m_password);
    connection.Params.setValue(QStringLiteral("user_name"), user());
    connection.Params.setValue(QStringLiteral("Port"), m_port);
    connection.Params.setValue(QStringLiteral("readonlydb"), QStringLiteral("False"));
    connection.Params.setValue(QStringLiteral("database"), m_path);
    connection.Params.setValue(QStringLiteral("hostname"), m_host);
}

std::unique_ptr<TSQLConnection> TestDatabase::connect() const
{
    auto connection = std::make_unique<TSQLConnection>();
    configure(*connection);
    connection->Open();
    return connection;
}

void TestDatabase::exec(const QStringList &statements) const
{
    if (statements.isEmpty())
        return;
    auto connection = connect();
    for (const QString &sql : statements)
        connection->ExecuteDirect(sql);
}

QStringList TestDatabase::column(const QString &select) const
{
    auto connection = connect();
    TSQLQuery query(connection.get());
    query.SQL = select;
    QStringList values;
    for (query.Open(); !query.Eof(); query.Next())
        values << query.Fields(0).AsString().trimmed();
    return values;
}
