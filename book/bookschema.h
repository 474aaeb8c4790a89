// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::book {

// The few ways the two databases differ, all in one place; everything else
// (the schema, every query) is the same text for both.
struct Dialect {
    QString driver;          // Qt's driver
    QString idColumn;        // a key the database counts up, never reusing a removed one
    QString keyCollation;    // search keys compared as code points (the order of UTF-8 bytes)
    QString indexOnlyTable;  // a table that is all key, kept once rather than as table and index (an import: 3 % fewer instructions)
    QString beginWrite;      // a transaction that will write: taken at once, so it cannot fail halfway for a lock
    QString beginRead;       // several reads that see one moment of the book
    QStringList sessionSetup; // run once a connection is known to be a book's
    QString tableNames;      // the tables of the database, one a row
    QString lockForSchema;   // inside the transaction that makes or upgrades the schema: one process at a time
    QStringList transientErrors; // error codes after which the whole transaction is tried again
    QStringList integrityChecks; // statements whose rows are what they found ("ok" when nothing)
    QString afterImport;     // after a large import: what the planner must learn of the new rows
    bool embedded = false;
};

[[nodiscard]] const Dialect &sqliteDialect();
[[nodiscard]] const Dialect &postgresDialect();

// The version of the schema this program writes.
inline constexpr int kSchemaVersion = 1;

// The table that says a database is a client book, and of which version.
inline constexpr auto kVersionTable = "tavi_velmora_book";

// The statements that make an empty database a book of this version, in order.
[[nodiscard]] QStringList schemaStatements(const Dialect &dialect);

// The statements that take a book of version from to version from + 1.
[[nodiscard]] QStringList upgradeStatements(const Dialect &dialect, int from);

} // namespace velmora::book
