#pragma once

#include "cli/size_outcome.h"

#include <nlohmann/json.hpp>

#include <string>

// The outcome as one JSON object, keys in this order: view, found, chosen
// (index or null), candidates [{model, code, size}], status, result1,
// result2, result3, details, fields [{label, value}] (the shown result
// fields with their captions, in display order); then duty {view, flow,
// flow_unit, dp, pressure_unit, fluid, fluid_name, pick} with the numbers
// as read, results {NAME: {value, unit}} (each result as a number, null for
// none), verdict, warnings [...] and details_lines [...].
nlohmann::ordered_json outcomeJson(const SizeOutcome& outcome);
// One line of JSON; texts stay UTF-8.
std::string jsonLine(const nlohmann::ordered_json& object);

// For a terminal: the duty as understood, the candidate rows (the chosen one
// marked with '*'), the chosen valve, each result under its caption with its
// unit, the verdict on a line of its own, and any warnings.
std::string outcomeText(const SizeOutcome& outcome);
