#pragma once

#include "db/catalogue_rows.h"
#include "db/db_failure.h"
#include "db/measurement_row.h"
#include "db/project_row.h"
#include "db/sqlite_handle.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

class RowReader;

// How deleting the valve of a shown row ended.
enum class ShownRowDeletion { Deleted, ChangedSinceShown, Failed };

// How recording a reading of the valve of a shown row ended.
enum class ShownRowRecording { Recorded, ChangedSinceShown, Failed };

// How deleting the valves of a shown list ended: how many stored rows went,
// and how many stay because the list never showed them or they changed
// since. Nothing is deleted when it failed.
struct ShownRowsDeletion {
    bool failed = false;
    std::size_t deleted = 0;
    std::size_t kept = 0;
};

// The program's only door to DB/mvd.db: every statement it sends, and the
// conversion of the rows into records. A failing statement writes one line
// "SQL error <label>: <message>" to the error stream and keeps the rows read
// before the failure; the valve list statements also report whether they
// worked, so that the window can tell the user.
class ProductDb {
public:
    // How long a statement waits for another program's lock before failing.
    static constexpr int kBusyTimeoutMs = 5000;

    explicit ProductDb(std::ostream& errors = std::cerr);

    // Opens (creating an empty file when it is missing but its folder
    // exists). On failure there is no connection and every statement fails.
    bool open(const std::filesystem::path& file);
    // Opens an existing file for reading only; never creates one. A file
    // left mid-write by a killed program reads as it was before that write.
    bool openReadOnly(const std::filesystem::path& file);
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_.get(); }
    // Tests shorten the wait for a lock that is never released.
    void setBusyTimeout(int milliseconds);

    // True when the database has a table named fluidi.
    bool checkFluidTable();

    // False when the table could not be read (another program's lock).
    bool queryFluids(std::vector<FluidRow>& rows);

    // Catalogue queries. Each empties its list and fills it in query order.
    // Flows are in l/s, flow coefficients in m3/h, pressures in kPa.
    void queryFobvByKv(std::vector<FobvRow>& rows, float requiredKv, float kvsLow, float kvsHigh);
    void queryFobvAll(std::vector<FobvRow>& rows);
    void queryVobv(std::vector<VobvRow>& rows, float requiredKv, float flow);
    void queryVobvAll(std::vector<VobvRow>& rows);
    void queryPicvByFlow(std::vector<PicvRow>& rows, float flow);
    void queryPicvAll(std::vector<PicvRow>& rows);
    void queryDpcv(std::vector<DpcvRow>& rows, float flow, float differentialPressure);
    // The curves of one valve, in storage order; both return the row count.
    int queryPreset(std::vector<PresetRow>& rows, const std::string& technicalCode);
    int queryStartup(std::vector<StartupRow>& rows, const std::string& technicalCode, const std::string& model);

    // The valve list (table progetti). Loading and the look-up append to
    // the list and return false when the table could not be read whole;
    // insert and delete return 0, or -1 after the error line. The statement
    // that finds the file deleted or replaced since it was opened fails
    // (the user has not seen the list the new file holds); the connection
    // then follows the file at the path.
    bool loadProjects(std::vector<ProjectRow>& rows);
    bool findProjectsByDesignation(const std::string& designation, std::vector<ProjectRow>& rows);
    // Texts are cut to their fields first.
    int insertProject(const ProjectRow& row);
    // Deletes every row numbered posizione, or the whole list with nullopt.
    int deleteProject(std::optional<std::uint16_t> posizione);
    // Deletes the valve a list showed as `shown`, with its readings, in one
    // write transaction: only when one stored number reads back as that
    // row, every column alike, and no other row shares that number.
    ShownRowDeletion deleteShownProject(const ProjectRow& shown);
    // The same for every row of a list, in one write transaction; rows the
    // list did not show, or that changed since, stay. Readings whose valve
    // another program deleted go with them.
    ShownRowsDeletion deleteShownProjects(const std::vector<ProjectRow>& shown);
    // Records a reading of the valve a list showed as `shown`, in one write
    // transaction, by the rule of deleteShownProject: a valve another
    // program deleted or replaced since takes no reading. Readings whose
    // valve is gone are forgotten in the same transaction.
    ShownRowRecording recordShownMeasurement(const ProjectRow& shown, const MeasurementRow& reading);
    // The reason of the last statement that failed, and how many have.
    const DbFailure& lastFailure() const { return failure_; }
    std::size_t failureCount() const { return failureCount_; }

private:
    SqliteHandle openHandle(const std::filesystem::path& file, int flags) const;
    bool openWith(const std::filesystem::path& file, int flags);
    // Before a valve list statement: follows a file that was deleted or
    // replaced to what is at its path now; false (after the error line)
    // when the statement must not run. Writes also need a writable file.
    bool followFile(const char* errorLabel, bool writing);
    bool fail(const char* errorLabel, DbFailure failure);

    using RowHandler = std::function<void(const RowReader&)>;
    // Runs one statement; false after writing the error line.
    bool execute(const std::string& statement, const char* errorLabel, const RowHandler& onRow);


    std::ostream& errors_;
    SqliteHandle db_;
    std::filesystem::path file_;
    bool queryOnly_ = false;
    bool fileLost_ = false; // deleted, and the user told so
    int busyTimeoutMs_ = kBusyTimeoutMs;
    DbFailure failure_;
    std::size_t failureCount_ = 0;
};
