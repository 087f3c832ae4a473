#include "cli/command_state.h"

#include "cli/catalogue_search.h"
#include "cli/locale_language.h"
#include "cli/startup_state.h"
#include "db/product_db.h"

#include <cstdlib>
#include <filesystem>

std::string commandState(const CommandSetting& args, ProductDb& db, AppState& state)
{
    Duty units;
    if (std::string error = resolveDuty(args.units, units); !error.empty())
        return error;
    RunSettingTexts settingTexts = args.settings;
    settingTexts.defaultLanguage =
        localeLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    RunSettings settings;
    if (std::string error = resolveRunSettings(settingTexts, settings); !error.empty())
        return error;
    std::string database = args.database;
    if (database.empty()) {
        const auto candidates = catalogueCandidates(std::getenv("REZU_WORKDIR"), std::getenv("HOME"));
        const auto found = firstExistingCatalogue(candidates);
        if (!found)
            return noCatalogueMessage(candidates);
        database = found->string();
    }
    std::error_code missing;
    if (!std::filesystem::is_regular_file(database, missing))
        return "no catalogue database at " + database;
    if (!db.openReadOnly(database))
        return "cannot open the catalogue database " + database;
    if (!db.checkFluidTable())
        return database + " is not an Arvelo catalogue (no table fluidi)";
    state = startupState(db);
    state.languageIndex = settings.languageIndex;
    state.engine.flowUnitIndex = units.flowUnitIndex;
    state.engine.pressureUnitIndex = units.pressureUnitIndex;
    state.engine.fluidIndex = units.fluidIndex;
    return {};
}

std::vector<CommandOption> commandSettingOptions(CommandSetting& setting)
{
    return {
        {"--db", &setting.database,
         "Catalogue database (default: the first of $REZU_WORKDIR/DB/mvd.db, ~/ArveloRezu/DB/mvd.db, DB/mvd.db)"},
        {"--flow-unit", &setting.units.flowUnit, "Flow unit in force, e.g. l/s, m3/h (default l/s)"},
        {"--pressure-unit", &setting.units.pressureUnit, "Pressure unit in force, e.g. kPa (default mbar)"},
        {"--fluid", &setting.units.fluid, "Fluid 0 (water) to 5 (water and glycol 50%)"},
        {"--language", &setting.settings.language,
         "0 Italian, 1 English, 2 Spanish, 3 German, 4 French, 5 Swedish, 6 Russian "
         "(default: the locale's, else English)"},
    };
}
