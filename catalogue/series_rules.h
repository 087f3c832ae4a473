#pragma once

#include "catalogue/catalogue_sources.h"
#include "catalogue/problems.h"

// Rules between rows: material numbers ascending within a file, sizes of a
// model growing in steady steps with overlapping ranges, connection variants
// sharing their reference's hydraulics, low-flow lines below the standard.
void checkSeries(const CatalogueSources& sources, Problems& problems);
