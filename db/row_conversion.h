#pragma once

#include "db/catalogue_rows.h"
#include "db/project_row.h"

class RowReader;

// One record per row of "SELECT *", column by column by position.
FluidRow readFluidRow(const RowReader& row);
FobvRow readFobvRow(const RowReader& row);
VobvRow readVobvRow(const RowReader& row);
PicvRow readPicvRow(const RowReader& row);
DpcvRow readDpcvRow(const RowReader& row);
// Value columns left empty (NULL) read as 0.
PresetRow readPresetRow(const RowReader& row);
StartupRow readStartupRow(const RowReader& row);
ProjectRow readProjectRow(const RowReader& row);
