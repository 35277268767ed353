#include "session/TField.h"

#include "session/DbError.h"
#include "session/FbClient.h"
#include "session/TSQLQuery.h"
#include "session/ValueText.h"

namespace {

constexpr int charsetOctets = 1;

FieldKind kindOf(const XSQLVAR &var)
{
    const bool exact = var.sqlscale < 0 || var.sqlsubtype == 1 || var.sqlsubtype == 2;
    switch (var.sqltype & ~1) {
    case SQL_TEXT:
    case SQL_VARYING: return FieldKind::String;
    case SQL_SHORT: return exact ? FieldKind::Bcd : FieldKind::SmallInt;
    case SQL_LONG: return exact ? FieldKind::Bcd : FieldKind::Integer;
    case SQL_INT64: return exact ? FieldKind::Bcd : FieldKind::LargeInt;
    case SQL_FLOAT: return FieldKind::Single;
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return var.sqlscale < 0 ? FieldKind::Bcd : FieldKind::Float;
    case SQL_TYPE_DATE: return FieldKind::Date;
    case SQL_TYPE_TIME: return FieldKind::Time;
    case SQL_TIMESTAMP: return FieldKind::Timestamp;
    case SQL_BLOB: return var.sqlsubtype == 1 ? FieldKind::Memo : FieldKind::Blob;
    case SQL_BOOLEAN: return FieldKind::Boolean;
    default: return FieldKind::Unknown;
    }
}

int bytesPerChar(int charset)
{
    switch (charset) {
    case 4: return 4; // UTF8
    case 3: return 3; // UNICODE_FSS
    default: return 1;
    }
}

template <typename T> T read(const char *data)
{
    T value;
    memcpy(&value, data, sizeof value);
    return value;
}

}

TField::TField(TSQLQuery &query, XSQLVAR &var)
    : m_query(query), m_var(var),
      m_name(QString::fromUtf8(var.aliasname, var.aliasname_length)),
      m_kind(kindOf(var))
{
}

int TField::Size() const
{
    const int type = m_var.sqltype & ~1;
    if (type != SQL_TEXT && type != SQL_VARYING)
        return 0;
    return m_var.sqllen / bytesPerChar(m_var.sqlsubtype & 0xFF);
}

bool TField::IsNull() const
{
    return m_var.sqlind && *m_var.sqlind < 0;
}

QString TField::AsString() const
{
    std::string text;
    appendUtf8(text);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void TField::appendUtf8(std::string &out) const
{
    if (IsNull())
        return;
    const char *data = m_var.sqldata;
    switch (m_var.sqltype & ~1) {
    case SQL_TEXT: {
        const int charset = m_var.sqlsubtype & 0xFF;
        if (charset == charsetOctets) {
            valuetext::appendHex(out, data, size_t(m_var.sqllen));
            break;
        }
        const int perChar = bytesPerChar(charset);
        if (perChar == 1) {
            out.append(data, size_t(m_var.sqllen));
            break;
        }
        // A multi-byte CHAR(n) arrives padded to its byte length: keep n characters.
        size_t end = size_t(m_var.sqllen);
        while (end > 0 && data[end - 1] == ' ')
            --end;
        int characters = 0;
        for (size_t i = 0; i < end; ++i)
            characters += (static_cast<unsigned char>(data[i]) & 0xC0) != 0x80;
        out.append(data, end);
        const int declared = m_var.sqllen / perChar;
        if (characters < declared)
            out.append(size_t(declared - characters), ' ');
        break;
    }
    case SQL_VARYING: {
        const auto length = size_t(read<unsigned short>(data));
        if ((m_var.sqlsubtype & 0xFF) == charsetOctets)
            valuetext::appendHex(out, data + 2, length);
        else
            out.append(data + 2, length);
        break;
    }
    case SQL_SHORT: valuetext::appendScaled(out, read<short>(data), m_var.sqlscale); break;
    case SQL_LONG: valuetext::appendScaled(out, read<ISC_LONG>(data), m_var.sqlscale); break;
    case SQL_INT64: valuetext::appendScaled(out, read<ISC_INT64>(data), m_var.sqlscale); break;
    case SQL_FLOAT: valuetext::appendFloat(out, read<float>(data)); break;
    case SQL_DOUBLE:
    case SQL_D_FLOAT: valuetext::appendDouble(out, read<double>(data)); break;
    case SQL_TYPE_DATE: valuetext::appendDate(out, read<ISC_DATE>(data)); break;
    case SQL_TYPE_TIME: valuetext::appendTime(out, read<ISC_TIME>(data)); break;
    case SQL_TIMESTAMP: {
        const auto ts = read<ISC_TIMESTAMP>(data);
        valuetext::appendTimestamp(out, ts.timestamp_date, ts.timestamp_time);
        break;
    }
    case SQL_BOOLEAN: out.append(read<FB_BOOLEAN>(data) ? "TRUE" : "FALSE"); break;
    case SQL_BLOB: {
        if (m_var.sqlsubtype != 1) {
            out.append("(BLOB)");
            break;
        }
        ISC_QUAD id = read<ISC_QUAD>(data);
        ISC_STATUS_ARRAY status;
        isc_blob_handle blob = 0;
        isc_open_blob2(status, m_query.dbHandle(), m_query.trHandle(), &blob, &id, 0, nullptr);
        fbclient::check(status);
        char segment[32768];
        unsigned short length = 0;
        for (;;) {
            const ISC_STATUS rc = isc_get_segment(status, &blob, &length, sizeof segment, segment);
            if (rc != 0 && rc != isc_segment)
                break;
            out.append(segment, length);
        }
        const bool failed = status[1] != 0 && status[1] != isc_segstr_eof;
        ISC_STATUS_ARRAY closeStatus;
        isc_close_blob(closeStatus, &blob);
        if (failed)
            fbclient::check(status);
        break;
    }
    case SQL_ARRAY: out.append("(ARRAY)"); break;
    default: out.append("(?)"); break;
    }
}
