// Timing of the valve list with 10,000 rows: the export as bytes and as a
// file written atomically, next to loading the list and the bare statement
// that loading sends.

#include "db/product_db.h"
#include "valve_list/valve_list_export.h"
#include "files/write_file_atomically.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 10000;
constexpr int kEnglish = 1;

// A folder of its own below the temporary folder, gone with the program.
class BenchFolder {
public:
    BenchFolder() : path_(fs::temp_directory_path() / ("rezu-valve-list-bench-" + std::to_string(::getpid())))
    {
        fs::create_directories(path_);
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

const BenchFolder& folder()
{
    static const BenchFolder instance;
    return instance;
}

ProjectRow benchRow(int i)
{
    ProjectRow row;
    row.posizione = static_cast<std::uint16_t>(i + 1);
    row.nome_tipo = i % 2 ? "Arvelo Nodo" : "Arvelo Quarz";
    row.dimensione = "DN " + std::to_string(15 + 5 * (i % 6));
    row.numero_di_materiale = "AQ-" + std::to_string(100000 + i);
    row.dP = 100.0f + float(i % 50);
    row.portata = 0.25f + 0.01f * float(i % 100);
    row.fluido = static_cast<std::uint8_t>(i % 6);
    row.t_mandata = 70.0f;
    row.t_ritorno = 50.0f;
    row.potenza = 12.5f;
    row.presetting = "3,70";
    row.kv = "5,69";
    row.apertura = "46,25";
    row.riferimento = "Heizkreis " + std::to_string(i) + (i % 10 == 0 ? "; \"Süd\"" : "");
    row.muP = "mbar";
    row.muQ = "l/s";
    row.muPower = "kW";
    row.muTemp = "C";
    return row;
}

const std::vector<ProjectRow>& rows()
{
    static const std::vector<ProjectRow> list = [] {
        std::vector<ProjectRow> made;
        for (int i = 0; i < kRows; ++i)
            made.push_back(benchRow(i));
        return made;
    }();
    return list;
}

// DB/mvd.db with the valve-list table holding the 10,000 rows, inserted by
// the program's own statement in one transaction.
const fs::path& database()
{
    static const fs::path file = [] {
        const fs::path made = folder().path() / "mvd.db";
        std::ifstream schemaFile(REZU_PROGETTI_SCHEMA);
        std::ostringstream schema;
        schema << schemaFile.rdbuf();
        ProductDb db;
        if (!db.open(made) || sqlite3_exec(db.handle(), schema.str().c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            std::cerr << "valve list bench: no database\n";
        sqlite3_exec(db.handle(), "BEGIN", nullptr, nullptr, nullptr);
        for (const ProjectRow& row : rows())
            db.insertProject(row);
        sqlite3_exec(db.handle(), "COMMIT", nullptr, nullptr, nullptr);
        return made;
    }();
    return file;
}

void BM_ExportBytes(benchmark::State& state)
{
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = valveListExport(u"Klinikum Nord", u"Müller GmbH", kEnglish, rows());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_ExportBytes)->Unit(benchmark::kMillisecond);

void BM_ExportWrittenAtomically(benchmark::State& state)
{
    const fs::path file = folder().path() / "Export.csv";
    for (auto _ : state) {
        const std::string bytes = valveListExport(u"Klinikum Nord", u"Müller GmbH", kEnglish, rows());
        if (const auto failure = writeFileAtomically(file, bytes)) {
            state.SkipWithError(failure->c_str());
            break;
        }
    }
}
BENCHMARK(BM_ExportWrittenAtomically)->Unit(benchmark::kMillisecond);

void BM_LoadProjects(benchmark::State& state)
{
    ProductDb db;
    db.open(database());
    for (auto _ : state) {
        std::vector<ProjectRow> loaded;
        db.loadProjects(loaded);
        if (loaded.size() != rows().size()) {
            state.SkipWithError("the table does not hold the bench rows");
            break;
        }
    }
}
BENCHMARK(BM_LoadProjects)->Unit(benchmark::kMillisecond);

// The same SELECT with a row callback that only counts: what loading costs
// in SQLite itself.
void BM_LoadStatementBare(benchmark::State& state)
{
    ProductDb db;
    db.open(database());
    for (auto _ : state) {
        int count = 0;
        sqlite3_exec(
            db.handle(), "SELECT * FROM progetti ORDER BY 'ASC'",
            [](void* counter, int, char**, char**) {
                ++*static_cast<int*>(counter);
                return 0;
            },
            &count, nullptr);
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_LoadStatementBare)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
