#pragma once

#include "cli/size_outcome.h"

#include <nlohmann/json.hpp>

#include <string>

// The outcome as one JSON object, keys in this order: view, found, chosen
// (index or null), candidates [{model, code, size}], status, result1,
// result2, result3, details, fields [{label, value}] (the shown result
// fields with their captions, in display order).
nlohmann::ordered_json outcomeJson(const SizeOutcome& outcome);
// One line of JSON; texts stay UTF-8.
std::string jsonLine(const nlohmann::ordered_json& object);

// For a terminal: the candidate rows (the chosen one marked with '*'), then
// the panel's texts: the status, each shown result field under its caption,
// and the details.
std::string outcomeText(const SizeOutcome& outcome);
