#pragma once

#include "app/app_state.h"
#include "data/ranged_number.h"
#include "db/branch_record.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The pieces of a semicolon-separated file of circuits, one line at a time.

// The columns of a circuit line: those every header names, those it may.
extern const std::vector<const char*> kCircuitColumns;
extern const std::vector<const char*> kCircuitOptionalColumns;

// The cells of one line by column name; columns the header lacks read empty.
class CsvLine {
public:
    CsvLine(const std::map<std::string, std::size_t>& columns, std::vector<std::string> cells)
        : columns_(columns), cells_(std::move(cells))
    {
    }
    std::string operator[](const std::string& name) const
    {
        const auto column = columns_.find(name);
        return column != columns_.end() && column->second < cells_.size() ? cells_[column->second] : std::string();
    }

private:
    const std::map<std::string, std::size_t>& columns_;
    std::vector<std::string> cells_;
};


// The cells of a line, split at semicolons (quotes kept together) and trimmed.
std::vector<std::string> trimmedCells(const std::string& text);

// The columns of a header line by canonical name (typed in any case): every
// required one named, none unknown, none twice. Empty on success, else the
// message.
std::string headerColumns(const std::string& header, const std::vector<const char*>& required,
                          const std::vector<const char*>& optional, std::map<std::string, std::size_t>& columns);

// Position of a label in a unit table, in any case; the unit in force for "".
std::optional<std::uint8_t> unitIndex(const std::vector<UnitEntry>& units, const std::string& label,
                                      std::uint8_t inForce);

// The number of a cell in its range; empty on success, else the message.
std::string cellNumber(const CsvLine& line, const std::string& column, NumberRange range, float& value);

// A pipe section from the columns prefix + length_m, inner_diameter_mm,
// roughness_mm, zeta: none where all are empty; roughness (0,045 mm) and
// zeta (0) may be left out, length and diameter may not.
std::string pipeSectionOf(const CsvLine& line, const std::string& prefix, std::optional<PipeSection>& pipe);

// A loss in the column, typed in the line's pressure unit, in kPa; empty on
// success, else the message.
std::string lossOf(const CsvLine& line, const AppState& state, const std::string& column, float& kilopascal);

// A section given by its loss (lossColumn, as lossOf reads it) or by its
// pipe (pipePrefix + length_m, ..., as pipeSectionOf reads it), not both;
// pipeName names the pipe in the message. Given by neither, it keeps loss
// and has no pipe: whether that may be is the caller's to say. Empty on
// success, else the message.
std::string lossOrPipeOf(const CsvLine& line, const AppState& state, const std::string& lossColumn,
                         const std::string& pipePrefix, const std::string& pipeName, float& loss,
                         std::optional<PipeSection>& pipe);

// One circuit of a line, in base units (l/s, kPa); empty on success, else
// the message.
std::string circuitOf(const CsvLine& line, const AppState& state, BranchCircuit& circuit);

// The word of a valve kind in a circuits file: fixed, variable or picv.
std::string kindWord(BranchValveKind kind);
