#pragma once

// Table names that only stand in a statement as quoted identifiers, each
// beside a twin that the same name written bare (or tidied by the typing
// rules) would reach instead. The schema screens' tests run every action on
// each of them and read the catalogue back: the picked table changed, its twin
// did not.
#include <QString>
#include <QStringList>

class TestDatabase;

namespace hostile {

// The data columns "table", "twin" and "written" (the name as a statement
// must write it), one row per hostile name.
void addRows();

// Each hostile pair has the same columns: "Key" INTEGER NOT NULL, "Note" and
// NOTE VARCHAR(20), "Ref" and REF INTEGER; the table has a unique constraint
// "uq_low" on NOTE and a foreign key "fk_low" from REF to "customer", its twin
// UQ_LOW and FK_LOW to CUSTOMER. "customer" and CUSTOMER have a primary key on
// "Key".
QStringList schema(const QString &name, const QString &twin);

// One line per column ("Note VARCHAR(20) NOT NULL") and per key constraint
// ("UNIQUE uq_low NOTE", "PRIMARY KEY INTEG_ Key", "FOREIGN KEY fk_low REF -> customer"),
// read from the system tables; empty when the table does not exist.
QStringList catalogue(const TestDatabase &db, const QString &table);

// Whether the system tables hold a table of exactly this name.
bool tableExists(const TestDatabase &db, const QString &table);

}
