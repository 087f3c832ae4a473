// The arvelo-size batch reader on any duty file, against the real
// catalogue. Every duty line gives exactly one result or error line.
//
// Input: the first byte chooses the output (odd: JSON lines, even: CSV),
// the rest is the duty file.

#include "catalogue/catalogue_builder.h"
#include "catalogue/csv_reader.h"
#include "cli/batch.h"
#include "cli/size_session.h"
#include "fuzz/fuzz_check.h"

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

std::filesystem::path catalogueFile;
std::ostringstream sqlErrors;
SizeSession* session = nullptr;

void removeCatalogue() { std::filesystem::remove(catalogueFile); }

void checkJson(const std::string& output, const BatchReport& report)
{
    std::istringstream lines(output);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const auto object = nlohmann::json::parse(line, nullptr, false);
        FUZZ_CHECK(object.is_object() && object.contains("line"));
    }
    FUZZ_CHECK(count == report.duties);
}

void checkCsv(const std::string& output, const BatchReport& report)
{
    const CsvDocument document = parseCsv(output, ';');
    if (!document.error.empty())
        return; // a duty file that is not UTF-8 is echoed in its error lines
    FUZZ_CHECK(document.records.size() == report.duties + 1); // header first
    // Every result and error line has the header's columns.
    for (const CsvRecord& record : document.records)
        FUZZ_CHECK(record.fields.size() == document.records.front().fields.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    catalogueFile = std::filesystem::temp_directory_path() / ("rezu-batch-fuzz-" + std::to_string(getpid()) + ".db");
    const BuildResult built = buildCatalogue(catalogueFile, defaultSourceDirectory());
    if (!built.written)
        std::abort();
    std::atexit(removeCatalogue);
    session = new SizeSession(sqlErrors);
    if (!session->open(catalogueFile).empty())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool json = data[0] & 1;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::ostringstream out;
    const BatchReport report = runBatch(in, out, *session, DutyTexts{}, RunSettings{}, json);
    sqlErrors.str(std::string());
    FUZZ_CHECK(report.failed <= report.duties);
    if (!report.fatal.empty()) {
        FUZZ_CHECK(out.str().empty() && report.duties == 0);
        return 0;
    }
    if (json)
        checkJson(out.str(), report);
    else
        checkCsv(out.str(), report);
    return 0;
}
