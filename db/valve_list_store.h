#pragma once

#include "db/project_row.h"

#include <cstdint>
#include <vector>

class ProductDb;

// Numbering of the valve list: one after the last row of a freshly loaded
// list (16-bit arithmetic), or 1 when the list is empty. Gaps left by
// deletions stay; after the whole list is deleted numbering starts at 1.
std::uint16_t nextPosition(const std::vector<ProjectRow>& freshlyLoaded);

// Numbers row after the table's current last row, inserts it and reloads
// projects from the table. Returns insertProject's 0 or -1 (also -1 when
// the table could not be read to number the row); projects keeps the last
// list read successfully.
int appendToValveList(ProductDb& db, ProjectRow row, std::vector<ProjectRow>& projects);
