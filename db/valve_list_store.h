#pragma once

#include "db/project_row.h"

#include <cstdint>
#include <vector>

// Numbering of the valve list: one after the last row of a freshly loaded
// list (16-bit arithmetic), or 1 when the list is empty. Gaps left by
// deletions stay; after the whole list is deleted numbering starts at 1.
std::uint16_t nextPosition(const std::vector<ProjectRow>& freshlyLoaded);
