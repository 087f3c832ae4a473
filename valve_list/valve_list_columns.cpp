#include "valve_list/valve_list_columns.h"

#include "data/number_text.h"
#include "data/text_format.h"
#include "data/fluid_name.h"
#include "valve_list/stored_value_text.h"

namespace {

std::u16string wide(const std::string& text) { return utf8ToUtf16(text); }

// A stored value no window can show (another program's 1e39, a NaN) reads
// "---", as in the results panel.
std::u16string withUnit(float value, const std::string& unit)
{
    if (value == 0.0f)
        return {};
    return utf8ToUtf16(formatResultNumber(value) + " (" + unit + ")");
}

} // namespace

std::vector<std::u16string> valveListCells(const ProjectRow& row, int languageIndex)
{
    return {
        wide(std::to_string(row.posizione)),
        wide(row.nome_tipo),
        wide(row.dimensione),
        wide(row.numero_di_materiale),
        withUnit(row.dP, row.muP),
        withUnit(row.portata, row.muQ),
        std::u16string(fluidName(row.fluido, languageIndex)),
        withUnit(row.t_mandata, row.muTemp),
        withUnit(row.t_ritorno, row.muTemp),
        withUnit(row.potenza, row.muPower),
        wide(shownValueText(row.presetting)),
        wide(shownValueText(row.kv)),
        wide(shownValueText(row.apertura)),
        wide(row.riferimento),
    };
}
