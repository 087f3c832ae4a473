#pragma once

#include "db/catalogue_rows.h"
#include "db/project_row.h"
#include "db/sqlite_handle.h"

#include <filesystem>
#include <functional>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

class RowReader;

// The program's only door to DB/mvd.db: every statement it sends, and the
// conversion of the rows into records. A failing statement writes one line
// "SQL error <label>: <message>" to the error stream and keeps the rows read
// before the failure; the user sees nothing of it.
class ProductDb {
public:
    explicit ProductDb(std::ostream& errors = std::cerr);

    // Opens (creating an empty file when it is missing but its folder
    // exists). On failure there is no connection and every statement fails.
    bool open(const std::filesystem::path& file);
    // Opens an existing file for reading only; never creates one. A file
    // left mid-write by a killed program reads as it was before that write.
    bool openReadOnly(const std::filesystem::path& file);
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_.get(); }

    // True when the database has a table named fluidi.
    bool checkFluidTable();

    void queryFluids(std::vector<FluidRow>& rows);

    // Catalogue queries. Each empties its list and fills it in query order.
    // Flows are in l/s, flow coefficients in m3/h, pressures in kPa.
    void queryFobvByKv(std::vector<FobvRow>& rows, float requiredKv, float kvsLow, float kvsHigh);
    void queryFobvAll(std::vector<FobvRow>& rows);
    void queryVobv(std::vector<VobvRow>& rows, float requiredKv, float flow);
    void queryPicvByFlow(std::vector<PicvRow>& rows, float flow);
    void queryPicvAll(std::vector<PicvRow>& rows);
    void queryDpcv(std::vector<DpcvRow>& rows, float flow, float differentialPressure);
    // The curves of one valve, in storage order; both return the row count.
    int queryPreset(std::vector<PresetRow>& rows, const std::string& technicalCode);
    int queryStartup(std::vector<StartupRow>& rows, const std::string& technicalCode, const std::string& model);

    // The valve list (table progetti). Loading and the look-up append to
    // the list; insert and delete return 0, or -1 after the error line.
    void loadProjects(std::vector<ProjectRow>& rows);
    void findProjectsByDesignation(const std::string& designation, std::vector<ProjectRow>& rows);
    // Texts are cut to their fields first.
    int insertProject(const ProjectRow& row);
    // Deletes every row numbered posizione, or the whole list with nullopt.
    int deleteProject(std::optional<std::uint16_t> posizione);

private:
    bool openWith(const std::filesystem::path& file, int flags);

    using RowHandler = std::function<void(const RowReader&)>;
    // Runs one statement; false after writing the error line.
    bool execute(const std::string& statement, const char* errorLabel, const RowHandler& onRow);

    std::ostream& errors_;
    SqliteHandle db_;
};
