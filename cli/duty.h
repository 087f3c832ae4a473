#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One calculation as given on the command line or a batch line: texts as
// typed; an empty text takes the window's value.
struct DutyTexts {
    std::string view{};
    std::string flow{};
    std::string dp{};
    std::string pick{};
    std::string flowUnit{};
    std::string pressureUnit{};
    std::string fluid{};
};

// The same, checked.
struct Duty {
    std::string viewName;
    std::int32_t view = 0;
    std::string flowText = "0,00";  // the window's text on entering a view
    std::string dpText = "100,00";
    std::optional<std::size_t> pick;
    std::uint8_t flowUnitIndex = 2;     // l/s
    std::uint8_t pressureUnitIndex = 8; // mbar
    std::uint8_t fluidIndex = 0;        // water
};

// What the settings dialogs would hold for the whole run.
struct RunSettings {
    std::uint8_t languageIndex = 3; // German, as every start
    std::vector<std::pair<int, std::string>> preferred;   // valve kind, model name
    std::vector<std::pair<int, std::string>> alternative;
    std::optional<float> dpMin; // kPa
    std::optional<float> dpMax;
};

// Each returns an empty text on success, else a one-line message. Blanks
// around a text are dropped; view names and unit labels match in any case.
// A commissioning view without a pick is refused with missingPickMessage.
std::string resolveDuty(const DutyTexts& texts, Duty& duty);
std::string missingPickMessage(const std::string& viewName);

struct RunSettingTexts {
    std::string language;
    std::uint8_t defaultLanguage = 3; // without a language: German, as every start of the window
    std::vector<std::string> preferred;   // KIND=NAME
    std::vector<std::string> alternative;
    std::string dpMin;
    std::string dpMax;
};
std::string resolveRunSettings(const RunSettingTexts& texts, RunSettings& settings);

// Cells of a batch line replace the command line's texts where not empty.
DutyTexts overlaid(DutyTexts base, const DutyTexts& cells);
