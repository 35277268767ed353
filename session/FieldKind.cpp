#include "session/FieldKind.h"

QString fieldClassName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::String: return QStringLiteral("TStringField");
    case FieldKind::SmallInt: return QStringLiteral("TSmallintField");
    case FieldKind::Integer: return QStringLiteral("TIntegerField");
    case FieldKind::LargeInt: return QStringLiteral("TLargeintField");
    case FieldKind::Single: return QStringLiteral("TSingleField");
    case FieldKind::Float: return QStringLiteral("TFloatField");
    case FieldKind::Bcd: return QStringLiteral("TFMTBCDField");
    case FieldKind::Date: return QStringLiteral("TDateField");
    case FieldKind::Time: return QStringLiteral("TTimeField");
    case FieldKind::Timestamp: return QStringLiteral("TSQLTimeStampField");
    case FieldKind::Blob: return QStringLiteral("TBlobField");
    case FieldKind::Memo: return QStringLiteral("TMemoField");
    case FieldKind::Boolean: return QStringLiteral("TBooleanField");
    case FieldKind::Unknown: break;
    }
    return QStringLiteral("TField");
}

FieldKind fieldKindFromColumn(int fieldType, int subType, int scale)
{
    const bool exact = subType == 1 || subType == 2 || scale < 0; // NUMERIC or DECIMAL
    switch (fieldType) {
    case 7: return exact ? FieldKind::Bcd : FieldKind::SmallInt;
    case 8: return exact ? FieldKind::Bcd : FieldKind::Integer;
    case 16: return exact ? FieldKind::Bcd : FieldKind::LargeInt;
    case 10: return FieldKind::Single;
    case 27: return exact ? FieldKind::Bcd : FieldKind::Float; // dialect 1 NUMERIC is stored as double
    case 12: return FieldKind::Date;
    case 13: return FieldKind::Time;
    case 35: return FieldKind::Timestamp;
    case 14: case 37: return FieldKind::String;
    case 261: return subType == 1 ? FieldKind::Memo : FieldKind::Blob;
    case 23: return FieldKind::Boolean;
    default: return FieldKind::Unknown;
    }
}
