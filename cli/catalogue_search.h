#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where arvelo-size looks for the catalogue when no --db is given, in this
// order: the working folder the launcher uses (REZU_WORKDIR, else
// ~/ArveloRezu), then DB/mvd.db below the current folder. An unset or empty
// variable adds no place.
std::vector<std::filesystem::path> catalogueCandidates(const char* workdir, const char* home);

// The first candidate that is a file, if any.
std::optional<std::filesystem::path> firstExistingCatalogue(const std::vector<std::filesystem::path>& candidates);

// What a user reads when none exists: the places tried, and how to make one.
std::string noCatalogueMessage(const std::vector<std::filesystem::path>& candidates);
