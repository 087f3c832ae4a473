#pragma once

#include "app/app_state.h"

#include <cstddef>
#include <optional>

class ProductDb;

// The calculations of the valve families. Each takes its numbers in the
// units the user sees and the row the user clicked (an index into the
// family's list of the previous calculation, or none), and leaves its
// outcome in its own group of AppState fields.

// Sizing: query the fitting rows, choose one, find its nearest presetting.
void sizeFixedOrifice(AppState& state, ProductDb& db, float flow, float pressureDrop, ChosenRow clicked);
void sizeVariableOrifice(AppState& state, ProductDb& db, float flow, float pressureDrop, ChosenRow clicked);
void selectPicv(AppState& state, ProductDb& db, float flow, ChosenRow clicked);
void selectDpcv(AppState& state, ProductDb& db, float flow, float branchPressureDrop, ChosenRow clicked);

// Commissioning: without a clicked row, list every valve of the family;
// with one, compute for that valve without querying the list again.
void measureFixedOrifice(AppState& state, ProductDb& db, float measuredPressure, ChosenRow clicked);
void checkPicv(AppState& state, ProductDb& db, float measuredPressure, float presetting, ChosenRow clicked);

// The scale of a pressure-independent valve's presetting.
PresettingScale picvScale(const PicvRow& valve);

// The least differential pressure, in kPa, a pressure-independent valve
// needs at a fractional position of its scale (scalePoint), interpolated
// between the two positions around it; none without data for both.
std::optional<float> picvMinimumPressure(ProductDb& db, const PicvRow& valve, double point);

// The preset flow of a pressure-independent valve of picvAllRows at a
// presetting found on it, in the current flow unit, interpolated between
// the positions around it; none when the valve has no preset curve or the
// presetting lies off its scale.
std::optional<float> picvFlowAtPresetting(const AppState& state, ProductDb& db, std::size_t valve, float presetting);
