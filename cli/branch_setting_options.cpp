#include "cli/branch_setting_options.h"

#include "branch/water_properties.h"
#include "data/argument_text.h"
#include "data/ranged_number.h"

std::vector<CommandOption> branchSettingOptions(BranchSettingTexts& texts)
{
    return {
        {"--min-dp", &texts.minimumStaticDp, "Minimum pressure drop of a static valve, kPa (3)"},
        {"--noise-limit", &texts.noiseLimit, "Pressure drop above which a static valve may whistle, kPa (25)"},
        {"--fluid-temperature", &texts.fluidTemperature, "Water temperature for the pipe sections, C, 0 to 100 (60)"},
        {"--velocity-limit", &texts.velocityLimit, "Velocity in a pipe section above which it warns, m/s (1)"},
        {"--authority-limit", &texts.authorityLimit, "Control valve authority below which it warns (0,25)"},
    };
}

// The branch's settings from their option texts, each in its range.
std::string checkedBranchSettings(const BranchSettingTexts& args, BranchSettings& settings)
{
    settings.name = args.name;
    HydraulicLimits& limits = settings.limits;
    const struct {
        const char* option;
        const std::string& text;
        NumberRange range;
        float& value;
    } numbers[] = {
        {"--min-dp", args.minimumStaticDp, NumberRange::Positive, limits.minimumStaticDp},
        {"--noise-limit", args.noiseLimit, NumberRange::Positive, limits.noiseLimit},
        {"--fluid-temperature", args.fluidTemperature, NumberRange::Any, limits.fluidTemperature},
        {"--velocity-limit", args.velocityLimit, NumberRange::Positive, limits.velocityLimit},
        {"--authority-limit", args.authorityLimit, NumberRange::Positive, limits.authorityLimit},
    };
    for (const auto& number : numbers)
        if (std::string error = rangedNumber(number.option, trimmedText(number.text), number.range, number.value);
            !error.empty())
            return error;
    if (limits.minimumStaticDp > limits.noiseLimit)
        return "--min-dp " + args.minimumStaticDp + " is above --noise-limit " + args.noiseLimit +
               ": every static valve would whistle";
    if (!waterAt(limits.fluidTemperature))
        return "--fluid-temperature '" + args.fluidTemperature +
               "' is outside 0 to 100 C, the range of the water table";
    if (limits.authorityLimit >= 1.0f)
        return "--authority-limit '" + args.authorityLimit + "' must be below 1";
    return {};
}


