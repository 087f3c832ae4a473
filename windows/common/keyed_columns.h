#pragma once

#include "windows/common/control_model.h"

#include <map>
#include <string>
#include <vector>

// A results list's columns: each header with the width its key is given,
// or the default width for a key not named.
std::vector<ListColumn> keyedColumns(const std::vector<std::string>& keys, const std::vector<std::u16string>& headers,
                                     const std::map<std::string, int>& widths, int defaultWidth);
