#pragma once

#include "catalogue/catalogue_sources.h"

#include <string>
#include <vector>

// Problems found in the sources, each a complete "file:line: message" line.
using Problems = std::vector<std::string>;

void addProblem(Problems& problems, const SourceRef& where, const std::string& message);
