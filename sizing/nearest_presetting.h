#pragma once

#include "db/catalogue_rows.h"

#include <cstddef>

// Position 0 to 130 whose preset value lies nearest the target; of equal
// distances the lowest position wins. Empty values (0) take part.
std::size_t nearestPresetting(const PresetRow& preset, float target);

// The presetting that belongs to a position: position x step + start.
float presettingAt(std::size_t position, float step, float start);
