#pragma once

#include "catalogue/catalogue_sources.h"
#include "catalogue/problems.h"
#include "catalogue/csv_reader.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// One source CSV whose header names exactly the expected columns (in any
// order). Field readers report a bad field as a problem and return 0 or "".
class SourceTable {
public:
    SourceTable(const std::filesystem::path& directory, const std::string& fileName,
                const std::vector<std::string>& columns, Problems& problems);

    // The data records; empty when the file or its header is unusable.
    const std::vector<CsvRecord>& rows() const { return rows_; }

    SourceRef where(const CsvRecord& row) const { return {fileName_, row.line}; }
    std::string text(const CsvRecord& row, const std::string& column) const;
    double number(const CsvRecord& row, const std::string& column) const;
    long long integer(const CsvRecord& row, const std::string& column) const;

private:
    const std::string& field(const CsvRecord& row, const std::string& column) const;

    std::string fileName_;
    std::map<std::string, std::size_t> columnIndex_;
    std::vector<CsvRecord> rows_;
    Problems& problems_;
};
