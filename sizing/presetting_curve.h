#pragma once

#include "app/app_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ProductDb;

// One position of a presetting scale and the valve's value there.
struct CurvePoint {
    float presetting = 0.0f;
    float value = 0.0f;
};

// The presetting curve of the valve a calculation chose, with the point the
// calculation settled on. Values are flow coefficients (m3/h), or for the
// pressure-independent valve flows in the user's flow unit.
struct PresettingCurve {
    std::string model;
    std::string nominalSize;
    std::string technicalCode;
    bool flowCurve = false;
    std::vector<CurvePoint> points;
    CurvePoint operatingPoint;
};

// The curve of the valve the last calculation of a sizing view chose (fixed
// orifice, variable orifice, pressure-independent); none in other views,
// without a chosen valve or without its curve in the catalogue.
std::optional<PresettingCurve> presettingCurve(const AppState& state, ProductDb& db, std::int32_t valveView);

// The curve's points: every position up to the last stored value (the rest
// of the row is padding), at position x step + start.
std::vector<CurvePoint> curvePoints(const PresetRow& preset, float step, float start, float valueDivisor);
