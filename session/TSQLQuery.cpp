#include "session/TSQLQuery.h"

#include "session/DbError.h"
#include "session/FbClient.h"
#include "session/TSQLConnection.h"
#include "session/TTransaction.h"

#include <cstring>

namespace {

constexpr unsigned short dialect = 3;

std::unique_ptr<char[]> newDescriptor(int count)
{
    auto area = std::make_unique<char[]>(XSQLDA_LENGTH(count));
    std::memset(area.get(), 0, XSQLDA_LENGTH(count));
    auto *da = reinterpret_cast<XSQLDA *>(area.get());
    da->version = SQLDA_VERSION1;
    da->sqln = short(count);
    return area;
}

XSQLDA *descriptor(const std::unique_ptr<char[]> &area)
{
    return reinterpret_cast<XSQLDA *>(area.get());
}

size_t alignedSize(const XSQLVAR &var)
{
    size_t size = size_t(var.sqllen);
    if ((var.sqltype & ~1) == SQL_VARYING)
        size += 2;
    return (size + 7) & ~size_t(7);
}

}

TSQLQuery::TSQLQuery(TSQLConnection *connection) : SQLConnection(connection) {}

TSQLQuery::~TSQLQuery()
{
    Close();
}

isc_db_handle *TSQLQuery::dbHandle()
{
    return SQLConnection->handle();
}

isc_tr_handle *TSQLQuery::trHandle()
{
    if (!m_transaction)
        throw DbError(QStringLiteral("The query is not open"));
    return m_transaction->handle();
}

bool TSQLQuery::runsIn(const TTransaction *transaction) const
{
    return m_transaction == transaction;
}

TSQLQuery::Kind TSQLQuery::prepare()
{
    if (!SQLConnection)
        throw DbError(QStringLiteral("The statement has no connection"));
    if (SQL.trimmed().isEmpty())
        throw DbError(QStringLiteral("No SQL statement was given"));
    SQLConnection->Open();
    m_transaction = SQLConnection->activeTransaction();
    if (!m_transaction) {
        m_ownTransaction = std::make_unique<TTransaction>(*SQLConnection);
        m_transaction = m_ownTransaction.get();
    }

    ISC_STATUS_ARRAY status;
    isc_dsql_allocate_statement(status, dbHandle(), &m_stmt);
    fbclient::check(status);

    m_outArea = newDescriptor(20);
    const QByteArray text = SQL.toUtf8();
    isc_dsql_prepare(status, trHandle(), &m_stmt, 0, text.constData(), dialect, descriptor(m_outArea));
    fbclient::check(status);
    if (descriptor(m_outArea)->sqld > descriptor(m_outArea)->sqln) {
        m_outArea = newDescriptor(descriptor(m_outArea)->sqld);
        isc_dsql_describe(status, &m_stmt, dialect, descriptor(m_outArea));
        fbclient::check(status);
    }

    static const char request[] = {isc_info_sql_stmt_type};
    char answer[16] = {};
    isc_dsql_sql_info(status, &m_stmt, sizeof request, request, sizeof answer, answer);
    fbclient::check(status);
    int type = 0;
    if (answer[0] == isc_info_sql_stmt_type) {
        const short length = short(isc_vax_integer(answer + 1, 2));
        type = int(isc_vax_integer(answer + 3, length));
    }

    // Row buffers: every field nullable so the server always reports NULLs.
    XSQLDA *out = descriptor(m_outArea);
    size_t total = 0;
    for (int i = 0; i < out->sqld; ++i)
        total += alignedSize(out->sqlvar[i]);
    m_rowBuffer.assign(total, 0);
    m_nullFlags.assign(size_t(out->sqld), 0);
    size_t offset = 0;
    m_fields.clear();
    for (int i = 0; i < out->sqld; ++i) {
        XSQLVAR &var = out->sqlvar[i];
        var.sqldata = m_rowBuffer.data() + offset;
        var.sqltype |= 1;
        var.sqlind = &m_nullFlags[size_t(i)];
        offset += alignedSize(var);
        m_fields.push_back(std::make_unique<TField>(*this, var));
    }

    if (type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd)
        return Kind::Select;
    if (type == isc_info_sql_stmt_exec_procedure && out->sqld > 0)
        return Kind::Procedure;
    return Kind::Other;
}

void TSQLQuery::bindParams(XSQLDA *in, std::vector<char> &storage, std::vector<QByteArray> &texts)
{
    if (in->sqld != Params.size())
        throw DbError(QStringLiteral("The statement takes %1 parameters, %2 were given")
                          .arg(in->sqld).arg(Params.size()));
    texts.clear();
    for (const QString &value : Params) {
        texts.push_back(value.toUtf8());
        if (texts.back().size() > 32767)
            throw DbError(QStringLiteral("A parameter value is longer than 32767 bytes"));
    }
    storage.assign(size_t(in->sqld) * sizeof(short), 0);
    auto *flags = reinterpret_cast<short *>(storage.data());
    for (int i = 0; i < in->sqld; ++i) {
        XSQLVAR &var = in->sqlvar[i];
        const int type = var.sqltype & ~1;
        const short charset = (type == SQL_TEXT || type == SQL_VARYING) ? short(var.sqlsubtype) : short(0);
        var.sqltype = SQL_TEXT | 1;
        var.sqlsubtype = charset;
        var.sqlscale = 0;
        var.sqldata = const_cast<char *>(texts[size_t(i)].constData());
        var.sqllen = short(texts[size_t(i)].size());
        flags[i] = Params.at(i).isNull() ? -1 : 0;
        var.sqlind = &flags[i];
    }
}

void TSQLQuery::execute(Kind kind)
{
    ISC_STATUS_ARRAY status;
    auto inArea = newDescriptor(qMax(1, int(Params.size())));
    isc_dsql_describe_bind(status, &m_stmt, dialect, descriptor(inArea));
    fbclient::check(status);
    if (descriptor(inArea)->sqld > descriptor(inArea)->sqln) {
        inArea = newDescriptor(descriptor(inArea)->sqld);
        isc_dsql_describe_bind(status, &m_stmt, dialect, descriptor(inArea));
        fbclient::check(status);
    }
    std::vector<char> storage;
    std::vector<QByteArray> texts;
    bindParams(descriptor(inArea), storage, texts);
    XSQLDA *in = descriptor(inArea)->sqld ? descriptor(inArea) : nullptr;
    // A procedure without a cursor answers with its one row at once.
    if (kind == Kind::Procedure)
        isc_dsql_execute2(status, trHandle(), &m_stmt, dialect, in, descriptor(m_outArea));
    else
        isc_dsql_execute(status, trHandle(), &m_stmt, dialect, in);
    fbclient::check(status);
}

template <typename Step> void TSQLQuery::orAbandon(Step step)
{
    try {
        step();
    } catch (const DbError &error) {
        abandon();
        dropLostConnection(error);
        throw;
    } catch (...) {
        abandon();
        throw;
    }
}

void TSQLQuery::ExecSQL()
{
    Close();
    orAbandon([this] {
        execute(prepare());
        releaseStatement();
        if (m_ownTransaction) {
            auto transaction = std::move(m_ownTransaction);
            m_transaction = nullptr;
            transaction->commit();
        }
    });
}

void TSQLQuery::Open()
{
    Close();
    orAbandon([this] {
        const Kind kind = prepare();
        if (kind == Kind::Other)
            throw DbError(QStringLiteral("The statement returns no rows"));
        execute(kind);
        m_singleRow = kind == Kind::Procedure;
        if (m_singleRow)
            m_eof = false;
        else
            fetch();
        m_active = true;
        m_moved = false;
        SQLConnection->attach(this);
    });
}

void TSQLQuery::fetch()
{
    if (m_singleRow) {
        m_eof = true;
        return;
    }
    ISC_STATUS_ARRAY status;
    const ISC_STATUS rc = isc_dsql_fetch(status, &m_stmt, dialect, descriptor(m_outArea));
    if (rc == 100) {
        m_eof = true;
        return;
    }
    try {
        fbclient::check(status);
    } catch (const DbError &error) {
        dropLostConnection(error);
        throw;
    }
    m_eof = false;
}

void TSQLQuery::First()
{
    if (!m_active)
        throw DbError(QStringLiteral("The query is not open"));
    if (m_moved)
        Open();
}

void TSQLQuery::Next()
{
    if (!m_active || m_eof)
        return;
    m_moved = true;
    fetch();
}

TField &TSQLQuery::Fields(int index)
{
    if (index < 0 || index >= int(m_fields.size()))
        throw DbError(QStringLiteral("Field index %1 out of range").arg(index));
    return *m_fields[size_t(index)];
}

TField &TSQLQuery::FieldByName(const QString &name)
{
    for (auto &field : m_fields) {
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return *field;
    }
    throw DbError(QStringLiteral("Field '%1' not found").arg(name));
}

void TSQLQuery::releaseStatement()
{
    if (m_stmt) {
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &m_stmt, DSQL_drop);
        m_stmt = 0;
    }
}

void TSQLQuery::dropLostConnection(const DbError &error)
{
    // Closing ends this query too; the next use opens the connection again
    // with its own parameters.
    if (error.connectionLost() && SQLConnection)
        SQLConnection->Close();
}

void TSQLQuery::abandon()
{
    releaseStatement();
    if (m_ownTransaction)
        m_ownTransaction->rollback();
    Close();
}

void TSQLQuery::Close()
{
    if (SQLConnection)
        SQLConnection->detach(this);
    releaseStatement();
    if (m_ownTransaction) {
        auto transaction = std::move(m_ownTransaction);
        try {
            transaction->commit();
        } catch (const DbError &) {
            // a reading transaction that cannot commit is rolled back by commit()
        }
    }
    m_transaction = nullptr;
    // The fields point into the result buffers: they go together.
    m_fields.clear();
    m_outArea.reset();
    m_rowBuffer.clear();
    m_nullFlags.clear();
    m_active = false;
    m_eof = true;
    m_moved = false;
    m_singleRow = false;
}
