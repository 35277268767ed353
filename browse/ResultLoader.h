#pragma once

#include <chrono>
#include <cstdint>

class ResultStore;
class TSQLQuery;

// Reads the rows of an open query into a store in steps, so a caller on the
// user-interface thread can load a result of any size between events.
// The query is only read; opening and closing it stay with the caller.
class ResultLoader {
public:
    // Takes the query's field names as the store's columns and starts at its current row.
    void start(TSQLQuery &query, ResultStore &store);
    // Reads rows until the query is exhausted or the time is spent (at least
    // one row per call); true while rows remain. A failure while reading is
    // thrown on, and the half-read row is dropped.
    bool step(std::chrono::steady_clock::duration budget);
    // Reads every remaining row.
    void finish();
    bool running() const { return m_query != nullptr; }
    void stop() { m_query = nullptr; m_store = nullptr; }

private:
    void readRow();

    TSQLQuery *m_query = nullptr;
    ResultStore *m_store = nullptr;
};
