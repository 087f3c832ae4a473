#pragma once

#include "db/measurement_row.h"
#include "db/project_row.h"

#include <string>
#include <string_view>
#include <vector>

// The export file of the valve list, byte for byte: UTF-8 with a byte-order
// mark, CR LF line ends, the project and customer lines each followed by an
// empty line, the 19 column headers, then one line of 19 fields per row.
// Numbers have a decimal point and two decimals; presetting, KV value and
// opening are read back from their display texts ("OK" and "" give 0.00).
// The project and customer names come as the edit fields hold them (UTF-16)
// and go into the file whole. A field holding a semicolon, a quote or a line
// break is quoted, so that it stays one cell; every other field is written
// as it is. The last five fields of a measured valve hold its measurement:
// dP with its unit, setting, flow with its unit, date, and an empty
// signature; a valve not measured leaves them empty, to fill in by hand.
std::string valveListExport(std::u16string_view projectName, std::u16string_view customerName,
                            int languageIndex, const std::vector<ProjectRow>& projects,
                            const std::vector<MeasurementRow>& measurements = {});
