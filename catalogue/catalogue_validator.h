#pragma once

#include "catalogue/catalogue_sources.h"
#include "catalogue/problems.h"

// Every consistency rule the catalogue's sources must obey: rows on their
// own, sizes in their series, the fluids.
Problems validateCatalogue(const CatalogueSources& sources);
