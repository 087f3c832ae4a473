// The conversion of a row's column texts into the records, whatever a
// catalogue or a valve list holds: NULL, huge, negative, "nan", "inf",
// overlong texts, too few or too many columns.
//
// Input: the column texts separated by 0 bytes; a column of the single byte
// 0xFF is SQL NULL.

#include "db/row_conversion.h"
#include "db/row_reader.h"
#include "fuzz/fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxColumns = 160; // more than the widest table (preset, 133)

bool fits(const std::string& text, std::size_t maxBytes, const char* column)
{
    const std::string_view whole = column ? column : "";
    return text.size() <= maxBytes && whole.substr(0, text.size()) == text;
}

void checkReader(const RowReader& row, const std::vector<char*>& values)
{
    for (int column = -1; column <= row.columnCount(); ++column) {
        const char* value = row.isNull(column) ? nullptr : values[static_cast<std::size_t>(column)];
        FUZZ_CHECK(fits(row.text(column, 15), 15, value));
        FUZZ_CHECK(fits(row.text(column, 127), 127, value));
        const float real = row.real(column);
        FUZZ_CHECK(!std::isnan(real)); // "nan" is no number: it reads as 0
        if (!value)
            FUZZ_CHECK(real == 0.0f && row.integer(column) == 0);
    }
}

void checkRecords(const RowReader& row)
{
    const ProjectRow project = readProjectRow(row);
    FUZZ_CHECK(project.riferimento.size() <= kProjectNameLength);
    FUZZ_CHECK(project.muTemp.size() <= kProjectUnitLength);
    FUZZ_CHECK(project.presetting.size() <= kProjectValueTextLength);
    FUZZ_CHECK(fittedToFields(project).riferimento == project.riferimento);
    FUZZ_CHECK(readFobvRow(row).imageKey.size() <= kRowTextLength);
    FUZZ_CHECK(readVobvRow(row).model.size() <= kRowTextLength);
    FUZZ_CHECK(readPicvRow(row).technicalCode.size() <= kRowTextLength);
    FUZZ_CHECK(readDpcvRow(row).nominalSize.size() <= kRowTextLength);
    readFluidRow(row);
    const PresetRow preset = readPresetRow(row);
    const StartupRow startup = readStartupRow(row);
    for (float value : preset.values)
        FUZZ_CHECK(!std::isnan(value));
    for (std::size_t position = 0; position < startup.values.size(); ++position)
        if (row.isNull(static_cast<int>(position) + 2))
            FUZZ_CHECK(startup.values[position] == 0.0f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Each column its own allocation, so that reading past one is caught.
    std::vector<std::string> texts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    if (texts.size() > kMaxColumns)
        texts.resize(kMaxColumns);
    std::vector<char*> values;
    for (std::string& text : texts)
        values.push_back(text == "\xFF" ? nullptr : text.data());
    const RowReader row(static_cast<int>(values.size()), values.data());
    checkReader(row, values);
    checkRecords(row);
    return 0;
}
