#include "browse/ResultLoader.h"

#include "session/DbError.h"

#include "browse/ResultStore.h"
#include "session/TSQLQuery.h"

#include <string>
#include <vector>

void ResultLoader::start(TSQLQuery &query, ResultStore &store)
{
    std::vector<std::string> names;
    names.reserve(size_t(query.FieldCount()));
    for (int i = 0; i < query.FieldCount(); ++i)
        names.push_back(query.Fields(i).FieldName().toStdString());
    store.reset(std::move(names));
    m_query = &query;
    m_store = &store;
}

void ResultLoader::readRow()
{
    const int count = m_store->columnCount();
    try {
        for (int i = 0; i < count; ++i)
            m_query->Fields(i).appendUtf8(m_store->valueBuffer(i));
    } catch (...) {
        m_store->discardRow();
        throw;
    }
    m_store->endRow();
}

bool ResultLoader::step(std::chrono::steady_clock::duration budget)
{
    if (!m_query)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + budget;
    try {
        for (;;) {
            if (!m_query->Active())
                throw DbError(QStringLiteral("The result was closed before all rows were read"));
            if (m_query->Eof()) {
                stop();
                return false;
            }
            readRow();
            m_query->Next();
            if (std::chrono::steady_clock::now() >= deadline)
                return true;
        }
    } catch (...) {
        stop();
        throw;
    }
}

void ResultLoader::finish()
{
    while (step(std::chrono::hours(1))) {
    }
}
