#include "catalogue/catalogue_validator.h"

#include "catalogue/fluid_rules.h"
#include "catalogue/row_rules.h"
#include "catalogue/series_rules.h"

Problems validateCatalogue(const CatalogueSources& sources)
{
    Problems problems;
    checkFluids(sources.fluids, "fluidi.csv", problems);
    for (const auto& valve : sources.fobv)
        checkFobvRow(valve, problems);
    for (const auto& valve : sources.vobv)
        checkVobvRow(valve, problems);
    for (const auto& valve : sources.picv)
        checkPicvRow(valve, problems);
    for (const auto& valve : sources.dpcv)
        checkDpcvRow(valve, problems);
    checkSeries(sources, problems);
    return problems;
}
