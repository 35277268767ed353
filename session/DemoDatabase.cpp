#include "session/DemoDatabase.h"

#include "session/DbError.h"
#include "session/IniFile.h"
#include "session/StoredConnections.h"
#include "session/TSQLConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DemoDatabase {

namespace {

const QString DemoUser = QStringLiteral("SYSDBA");
const QString DemoPassword = QStringLiteral("masterkey");

}

QStringList schema()
{
    return {
        QStringLiteral("CREATE TABLE CUSTOMERS (CUSTOMER_ID INTEGER NOT NULL, NAME VARCHAR(60) NOT NULL, "
                       "CITY VARCHAR(40), EMAIL VARCHAR(80), "
                       "CONSTRAINT PK_CUSTOMERS PRIMARY KEY (CUSTOMER_ID), "
                       "CONSTRAINT UQ_CUSTOMERS_EMAIL UNIQUE (EMAIL))"),
        QStringLiteral("CREATE TABLE PRODUCTS (PRODUCT_ID INTEGER NOT NULL, TITLE VARCHAR(60) NOT NULL, "
                       "PRICE NUMERIC(9,2) NOT NULL, CONSTRAINT PK_PRODUCTS PRIMARY KEY (PRODUCT_ID))"),
        QStringLiteral("CREATE TABLE ORDERS (ORDER_ID INTEGER NOT NULL, CUSTOMER_ID INTEGER NOT NULL, "
                       "ORDERED_ON DATE DEFAULT CURRENT_DATE NOT NULL, NOTE VARCHAR(200), "
                       "CONSTRAINT PK_ORDERS PRIMARY KEY (ORDER_ID), "
                       "CONSTRAINT FK_ORDERS_CUSTOMERS FOREIGN KEY (CUSTOMER_ID) REFERENCES CUSTOMERS (CUSTOMER_ID))"),
        QStringLiteral("CREATE TABLE ORDER_LINES (ORDER_ID INTEGER NOT NULL, LINE_NO SMALLINT NOT NULL, "
                       "PRODUCT_ID INTEGER NOT NULL, QUANTITY INTEGER DEFAULT 1 NOT NULL, "
                       "CONSTRAINT PK_ORDER_LINES PRIMARY KEY (ORDER_ID, LINE_NO), "
                       "CONSTRAINT FK_ORDER_LINES_ORDERS FOREIGN KEY (ORDER_ID) REFERENCES ORDERS (ORDER_ID) "
                       "ON DELETE CASCADE, "
                       "CONSTRAINT FK_ORDER_LINES_PRODUCTS FOREIGN KEY (PRODUCT_ID) REFERENCES PRODUCTS (PRODUCT_ID))"),
        QStringLiteral("CREATE SEQUENCE GEN_ORDER_ID"),
        QStringLiteral("CREATE TRIGGER ORDERS_BI FOR ORDERS ACTIVE BEFORE INSERT POSITION 0 AS\n"
                       "BEGIN\n"
                       "  IF (NEW.ORDER_ID IS NULL) THEN\n"
                       "    NEW.ORDER_ID = NEXT VALUE FOR GEN_ORDER_ID;\n"
                       "END"),
        QStringLiteral("CREATE VIEW ORDER_TOTALS (ORDER_ID, CUSTOMER, TOTAL) AS\n"
                       "SELECT O.ORDER_ID, C.NAME, SUM(L.QUANTITY * P.PRICE)\n"
                       "FROM ORDERS O JOIN CUSTOMERS C ON C.CUSTOMER_ID = O.CUSTOMER_ID\n"
                       "JOIN ORDER_LINES L ON L.ORDER_ID = O.ORDER_ID\n"
                       "JOIN PRODUCTS P ON P.PRODUCT_ID = L.PRODUCT_ID\n"
                       "GROUP BY O.ORDER_ID, C.NAME"),
        QStringLiteral("CREATE PROCEDURE ORDERS_OF_CUSTOMER (CUSTOMER INTEGER)\n"
                       "RETURNS (ORDER_ID INTEGER, ORDERED_ON DATE, TOTAL NUMERIC(18,2)) AS\n"
                       "BEGIN\n"
                       "  FOR SELECT O.ORDER_ID, O.ORDERED_ON, T.TOTAL FROM ORDERS O\n"
                       "      JOIN ORDER_TOTALS T ON T.ORDER_ID = O.ORDER_ID\n"
                       "      WHERE O.CUSTOMER_ID = :CUSTOMER ORDER BY O.ORDER_ID\n"
                       "    INTO :ORDER_ID, :ORDERED_ON, :TOTAL\n"
                       "  DO SUSPEND;\n"
                       "END"),
        QStringLiteral("INSERT INTO CUSTOMERS VALUES (1, 'Ada Lovelace', 'London', 'ada@example.org')"),
        QStringLiteral("INSERT INTO CUSTOMERS VALUES (2, 'Blaise Pascal', 'Paris', 'blaise@example.org')"),
        QStringLiteral("INSERT INTO CUSTOMERS VALUES (3, 'Grace Hopper', 'Arlington', NULL)"),
        QStringLiteral("INSERT INTO PRODUCTS VALUES (1, 'Slide rule', 24.50)"),
        QStringLiteral("INSERT INTO PRODUCTS VALUES (2, 'Punched cards (box)', 9.95)"),
        QStringLiteral("INSERT INTO PRODUCTS VALUES (3, 'Abacus', 15.00)"),
        QStringLiteral("INSERT INTO ORDERS (CUSTOMER_ID, ORDERED_ON, NOTE) VALUES (1, '2024-03-01', 'First order')"),
        QStringLiteral("INSERT INTO ORDERS (CUSTOMER_ID, ORDERED_ON, NOTE) VALUES (2, '2024-03-02', NULL)"),
        QStringLiteral("INSERT INTO ORDERS (CUSTOMER_ID, ORDERED_ON, NOTE) VALUES (1, '2024-04-15', 'Repeat')"),
        QStringLiteral("INSERT INTO ORDER_LINES VALUES (1, 1, 1, 2)"),
        QStringLiteral("INSERT INTO ORDER_LINES VALUES (1, 2, 3, 1)"),
        QStringLiteral("INSERT INTO ORDER_LINES VALUES (2, 1, 2, 5)"),
        QStringLiteral("INSERT INTO ORDER_LINES VALUES (3, 1, 2, 1)"),
        QStringLiteral("CREATE ROLE CLERK"),
        QStringLiteral("GRANT SELECT ON CUSTOMERS TO CLERK"),
        QStringLiteral("GRANT SELECT ON PRODUCTS TO CLERK"),
        QStringLiteral("GRANT SELECT, INSERT, UPDATE ON ORDERS TO CLERK"),
        QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON ORDER_LINES TO CLERK"),
        QStringLiteral("GRANT SELECT ON ORDER_TOTALS TO CLERK"),
        QStringLiteral("GRANT EXECUTE ON PROCEDURE ORDERS_OF_CUSTOMER TO CLERK"),
        QStringLiteral("GRANT CLERK TO MARY"),
        QStringLiteral("GRANT SELECT ON ORDER_TOTALS TO JOHN"),
    };
}

void create(const QString &path)
{
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial); // left by an earlier attempt that did not finish
    TSQLConnection::CreateDatabase(partial, DemoUser, DemoPassword);
    try {
        TSQLConnection connection;
        connection.Params.setValue(QStringLiteral("Password"), DemoPassword);
        connection.Params.setValue(QStringLiteral("user_name"), DemoUser);
        connection.Params.setValue(QStringLiteral("database"), partial);
        connection.Params.setValue(QStringLiteral("hostname"), QStringLiteral("embedded"));
        for (const QString &statement : schema())
            connection.ExecuteDirect(statement);
        connection.Close();
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw DbError(QStringLiteral("Cannot put the demo database in place at %1").arg(path));
    }
}

void setUpFolder(const QString &folder)
{
    const QDir dir(folder);
    const QString connections = dir.filePath(StoredConnections::FileName);
    if (!QFileInfo(connections).dir().exists())
        throw IniError(QStringLiteral("Cannot write %1: its folder does not exist").arg(connections));
    const QString database = QFileInfo(dir.filePath(FileName)).absoluteFilePath();
    if (!QFileInfo::exists(database))
        create(database);
    if (IniFile(connections).sectionExists(ConnectionName))
        return;
    StoredConnections::Fields fields;
    fields.hostname = QStringLiteral("embedded");
    fields.database = database;
    fields.userName = DemoUser;
    fields.password = DemoPassword;
    fields.port = QStringLiteral("3050");
    StoredConnections::store(connections, ConnectionName, fields);
}

}
