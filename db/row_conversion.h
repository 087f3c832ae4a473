#pragma once

#include "db/catalogue_rows.h"
#include "db/project_row.h"

class RowReader;

// One record per row of "SELECT *", column by column by position.
FluidRow readFluidRow(const RowReader& row);
ProjectRow readProjectRow(const RowReader& row);
