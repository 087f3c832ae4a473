#include "valve_list/valve_list_export.h"

#include "data/csv_cell.h"
#include "data/figure_text.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/measurement_store.h"
#include "data/fluid_name.h"
#include "valve_list/stored_value_text.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kTextProject = 39;
constexpr int kTextCustomer = 40;
constexpr int kTextFirstHeader = 49;
constexpr int kTextLastHeader = 67;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNoNumber = "---";
// Measured pressure, setting, flow, date and signature: recorded by the
// program or filled in by hand.
constexpr int kSiteFields = 5;

// A value no window can show (infinite, NaN, absurdly long) is "---" here too.
std::string number(float value)
{
    const std::string shown = formatResultNumber(value);
    return shown == kNoNumber ? shown : formatPointDecimal(static_cast<double>(value));
}

std::string withUnit(float value, std::string_view unit)
{
    return number(value) + " (" + std::string(unit) + ")";
}

// A measured flow with the three significant digits the protocol prints,
// so that the two agree; a point, like every number of the file.
std::string measuredFlow(float value, std::string_view unit)
{
    std::string figure = formatFigure(value);
    std::replace(figure.begin(), figure.end(), ',', '.');
    return figure + " (" + std::string(unit) + ")";
}

// Presetting, KV value and opening are stored as the window showed them.
std::string shownNumber(const std::string& text) { return number(storedTextNumber(text)); }

void appendLine(std::string& out, const std::string* fields, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            out += ';';
        out += csvCell(fields[i]);
    }
    out += kLineEnd;
}

void appendNameBlock(std::string& out, int languageIndex, int captionId, std::u16string_view name)
{
    const std::string line = TextTable::utf8(languageIndex, captionId) + ":" + utf16ToUtf8(name);
    appendLine(out, &line, 1);
    out += kLineEnd;
}

void appendHeader(std::string& out, int languageIndex)
{
    std::array<std::string, kTextLastHeader - kTextFirstHeader + 1> headers;
    for (std::size_t i = 0; i < headers.size(); ++i)
        headers[i] = TextTable::utf8(languageIndex, kTextFirstHeader + static_cast<int>(i));
    appendLine(out, headers.data(), headers.size());
}

void appendRow(std::string& out, const ProjectRow& row, int languageIndex, const MeasurementRow* measured)
{
    std::array<std::string, 14 + kSiteFields> fields = {
        std::to_string(row.posizione),
        row.nome_tipo,
        row.dimensione,
        row.numero_di_materiale,
        withUnit(row.dP, row.muP),
        withUnit(row.portata, row.muQ),
        utf16ToUtf8(fluidName(row.fluido, languageIndex)),
        withUnit(row.t_mandata, row.muTemp),
        withUnit(row.t_ritorno, row.muTemp),
        withUnit(row.potenza, row.muPower),
        shownNumber(row.presetting) + " (-)",
        withUnit(storedTextNumber(row.kv), row.muQ),
        shownNumber(row.apertura),
        row.riferimento,
    };
    if (measured) {
        fields[14] = withUnit(measured->dP, measured->muP);
        fields[15] = shownNumber(measured->setting);
        fields[16] = measuredFlow(measured->flow, measured->muQ);
        fields[17] = measured->date;
    }
    appendLine(out, fields.data(), fields.size());
}

} // namespace

std::string valveListExport(std::u16string_view projectName, std::u16string_view customerName,
                            int languageIndex, const std::vector<ProjectRow>& projects,
                            const std::vector<MeasurementRow>& measurements)
{
    std::string out(kByteOrderMark);
    appendNameBlock(out, languageIndex, kTextProject, projectName);
    appendNameBlock(out, languageIndex, kTextCustomer, customerName);
    appendHeader(out, languageIndex);
    for (const ProjectRow& row : projects)
        appendRow(out, row, languageIndex, findMeasurement(measurements, row.posizione, row.riferimento));
    return out;
}
