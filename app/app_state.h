#pragma once

#include "app/engine_settings.h"
#include "db/catalogue_rows.h"
#include "db/db_failure.h"
#include "db/project_row.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The one record through which the parts of the program talk to each other.
// A value-initialised AppState is the state before start-up: every number 0,
// every list empty, nothing chosen. Start-up gives it its defaults.
//
// A chosen row is held as an index into the list of its own group; a
// calculation empties and refills its list, and resets the index with it.
using ChosenRow = std::optional<std::size_t>;

struct AppState {
    // Screen mode and language.
    std::int32_t workMode = 0;   // 0 sizing, 1 commissioning
    std::int32_t valveView = 0;  // page of the main window (0, 2, 3, 4, 5, 7, 8, 9, 10)
    std::uint8_t languageIndex = 0;

    // Units and project preferences.
    EngineSettings engine;

    // Fixed-orifice static valve, sizing.
    std::int32_t fobvFound = 0;
    ChosenRow fobvChosen;
    std::vector<FobvRow> fobvRows;
    float fobvPresetting = 0.0f;
    float fobvKvAtSetting = 0.0f;
    float fobvOpening = 0.0f;  // fraction

    // Fixed-orifice static valve, commissioning.
    std::int32_t fobvCommFound = 0;
    ChosenRow fobvCommChosen;
    std::vector<FobvRow> fobvCommRows;
    float fobvMeasuredFlow = 0.0f;

    // Variable-orifice static valve.
    std::int32_t vobvFound = 0;
    ChosenRow vobvChosen;
    std::vector<VobvRow> vobvRows;
    float vobvPresetting = 0.0f;
    float vobvKvAtSetting = 0.0f;
    float vobvOpening = 0.0f;

    // Pressure-independent control valve, sizing.
    std::int32_t picvFound = 0;
    ChosenRow picvChosen;
    std::vector<PicvRow> picvRows;
    float picvPresetting = 0.0f;
    float picvFlowAtSetting = 0.0f;
    float picvDpMin = 0.0f;

    // Pressure-independent control valve, commissioning.
    std::int32_t picvCheckFound = 0;
    std::int32_t picvCheckNoData = 0;
    ChosenRow picvCheckRow;
    std::vector<PicvRow> picvAllRows;
    float picvCheckResult = 0.0f;
    // The scale of the checked valve when the presetting lay off it.
    std::optional<PresettingScale> picvCheckOffScale;

    // Differential pressure controller.
    std::int32_t dpcvFound = 0;
    ChosenRow dpcvChosen;
    std::vector<DpcvRow> dpcvRows;

    // Valve list.
    ProjectRow pendingRow;
    std::vector<ProjectRow> projects;
    // Why the valve list has not been read whole yet (the start-up read
    // failed, as under another program's lock); nothing once it has been.
    std::optional<DbFailure> projectsNotRead;
};

// The chosen fluid, when the fluid table has an entry at fluidIndex.
const FluidRow* chosenFluid(const AppState& state);
