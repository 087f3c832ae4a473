#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

// Records the text of every statement a connection runs, as it was sent.
class StatementLog {
public:
    explicit StatementLog(sqlite3* db) : db_(db) { sqlite3_trace_v2(db_, SQLITE_TRACE_STMT, &record, this); }
    ~StatementLog() { sqlite3_trace_v2(db_, 0, nullptr, nullptr); }
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    const std::vector<std::string>& statements() const { return statements_; }
    std::string last() const { return statements_.empty() ? std::string() : statements_.back(); }

private:
    static int record(unsigned /*type*/, void* context, void* /*statement*/, void* text)
    {
        static_cast<StatementLog*>(context)->statements_.emplace_back(static_cast<const char*>(text));
        return 0;
    }

    sqlite3* db_;
    std::vector<std::string> statements_;
};
