#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace yb {

// Logical field types of the tables (the Paradox type letters in brackets).
enum class FieldType {
    Alpha,   // A: text of at most `size` characters
    Long,    // I: 32-bit signed integer
    Short,   // S: 16-bit signed integer
    AutoInc, // +: assigned by the table, unique, increasing, never reused
    Logical, // L: true or false
    Number,  // N: 64-bit floating point
    Memo,    // M: text of any length
    Graphic, // G: a picture as binary data
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::Alpha;
    int size = 0; // characters, for Alpha only

    bool isText() const { return type == FieldType::Alpha || type == FieldType::Memo; }
    bool isInteger() const
    {
        return type == FieldType::Long || type == FieldType::Short || type == FieldType::AutoInc ||
               type == FieldType::Logical;
    }
};

struct IndexDef {
    QString name;       // the logical name, e.g. "PorOPlanta"
    QStringList fields; // in order
    bool unique = false;
    bool descending = false;
};

struct TableDef {
    QString name;            // e.g. "Plantas"
    QList<FieldDef> fields;  // declared order
    QStringList key;         // key fields (an AutoInc key is the row id)
    QList<IndexDef> indexes; // secondary indexes a new database has
    bool working = false;    // a working table: temporary, empty each run
};

// The logical schema of the herbal database and how it maps to SQLite.
namespace Schema {

// The version of a file's layout, kept in PRAGMA user_version. Version 2: text
// indexes in the order of Collation version 2; a file of version 1 has them in
// the order of version 1 and is rebuilt once when opened for writing.
inline constexpr int kVersion = 2;
constexpr int collationVersion(int fileVersion) { return fileVersion >= 2 ? 2 : 1; }
inline constexpr int kApplicationId = 0x5942524C; // "YBRL"
inline constexpr const char *kKeyIndexName = "#key";

const QList<TableDef> &tables();
const TableDef *find(QStringView table);

// An identifier for SQL text: in double quotes, an embedded quote doubled.
// Every name read from the file (tables, columns, indexes) goes through it.
QString quoted(const QString &identifier);

// SQLite names of a table's index: "<Table>.<Index>".
QString physicalIndexName(const QString &table, const QString &index);

// Declared column types carry the logical type: "ALPHA_TEXT(50)", "LONG_INT"…
QString declaredType(const FieldDef &field);
FieldDef fieldFromDeclared(const QString &name, const QString &declared, bool primaryKey);

QString createTableSql(const TableDef &table);
QString createIndexSql(const QString &table, const IndexDef &index, const QList<FieldDef> &fields);

} // namespace Schema
} // namespace yb
