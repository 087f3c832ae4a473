#pragma once

#include <sqlite3.h>

#include <string>

// Why a statement on the valve list or its readings failed: the database's
// (or the system's) reason and its result code, or that the file the list
// was read from is no longer the file at its path (deleted or replaced
// while the program runs). The windows tell the user by the code, in the
// language in force; the reason goes to the error stream.
struct DbFailure {
    std::string reason;
    bool fileReplaced = false;
    int code = SQLITE_ERROR; // the primary result code: SQLITE_BUSY, SQLITE_READONLY, ...
};

// The connection's last failure.
inline DbFailure failureOf(sqlite3* db)
{
    if (!db)
        return {"no database connection", false, SQLITE_CANTOPEN};
    return {sqlite3_errmsg(db), false, sqlite3_errcode(db) & 0xff};
}

// Whether another program held the file for longer than the program waits.
inline bool isBusy(const DbFailure& failure)
{
    return failure.code == SQLITE_BUSY || failure.code == SQLITE_LOCKED;
}
