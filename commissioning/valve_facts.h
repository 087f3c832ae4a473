#pragma once

#include "app/app_state.h"
#include "db/catalogue_rows.h"
#include "db/project_row.h"

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

class ProductDb;

// How a listed valve is measured on site.
enum class MeasuredKind {
    Unknown,             // not in the catalogue's measurable families
    FixedOrifice,        // flow from the dP across its fixed orifice
    VariableOrifice,     // flow from the dP across the valve and the Kv of the presetting found
    PressureIndependent, // the available dP checked against the presetting's minimum
};

// What the commissioning record needs of a listed valve's catalogue entry:
// the figures the flow was obtained with, the largest dP the valve carries
// (kPa) and the curve its presetting is read from.
struct ValveFacts {
    MeasuredKind kind = MeasuredKind::Unknown;
    float kvs = NAN; // the fixed orifice's, m3/h
    float dpMaximumKpa = NAN;
    bool hasCurve = false;
    PresetRow curve; // Kv (static) or flow (pressure-independent) per position
    float presetStart = 0.0f;
    float presetStep = 0.0f;
};

// By material number.
using ValveFactsByCode = std::map<std::string, ValveFacts>;

// The facts of every material number in the list, each read once.
ValveFactsByCode catalogueFacts(ProductDb& db, const std::vector<ProjectRow>& projects);

// Whether the valve's flow follows from the dP measured and its presetting
// (the two static kinds), so that a presetting can correct it.
inline bool isStaticKind(MeasuredKind kind)
{
    return kind == MeasuredKind::FixedOrifice || kind == MeasuredKind::VariableOrifice;
}

// The flow through a variable-orifice valve, l/s, from the dP measured
// across it (kPa) and the Kv of the presetting found (m3/h), of a fluid of
// relative density sg: Q = Kv x sqrt(dp / sg) / 36. None off the curve or
// for a dP below zero.
std::optional<float> variableOrificeFlow(const ValveFacts& facts, float presetting, float dpKpa, float sg);

// The same with the dP in the pressure unit in force and the flow in the
// flow unit in force, of the fluid of state.
std::optional<float> variableOrificeFlowShown(const AppState& state, const ValveFacts& facts, float presetting,
                                              float dpShown);

// The largest dP across a static balancing valve, which its catalogue rows
// do not give: about 250 kPa for threaded bodies (up to DN 50) and 350 kPa
// for flanged ones, the published figures of valves of this range. A size
// that names no DN counts as threaded, the stricter figure.
float staticValveDpMaximumKpa(const std::string& nominalSize);
