#pragma once

#include <QString>

// What kind of value a column or a result field holds. The names of the kinds
// follow the field classes the screens compare with (className()).
enum class FieldKind {
    String,     // CHAR, VARCHAR
    SmallInt,   // SMALLINT
    Integer,    // INTEGER
    LargeInt,   // BIGINT
    Single,     // FLOAT
    Float,      // DOUBLE PRECISION
    Bcd,        // NUMERIC, DECIMAL (any precision and scale)
    Date,       // DATE
    Time,       // TIME
    Timestamp,  // TIMESTAMP
    Blob,       // BLOB of any sub-type but text
    Memo,       // BLOB SUB_TYPE TEXT
    Boolean,    // BOOLEAN
    Unknown,
};

// The field class name of a kind: "TStringField", "TIntegerField", ...
// A text blob is a "TMemoField", a kind of blob with a name of its own.
QString fieldClassName(FieldKind kind);

// Firebird's column description (RDB$FIELDS) as a kind.
FieldKind fieldKindFromColumn(int fieldType, int subType, int scale);
