#include "data/fluid_name.h"

#include "data/text_table.h"

namespace {

constexpr int kTextFirstFluid = 89;
constexpr int kFluidCount = 6;

} // namespace

std::u16string_view fluidName(std::uint8_t fluido, int languageIndex)
{
    if (fluido >= kFluidCount)
        return {};
    return TextTable::text(languageIndex, kTextFirstFluid + fluido);
}
