#pragma once

#include "catalogue/catalogue_sources.h"
#include "catalogue/problems.h"

// Rules that one row must obey on its own; each breach becomes a problem
// naming the row's file and line.
void checkFobvRow(const FobvSource& valve, Problems& problems);
void checkVobvRow(const VobvSource& valve, Problems& problems);
void checkPicvRow(const PicvSource& valve, Problems& problems);
void checkDpcvRow(const DpcvSource& valve, Problems& problems);

// Short text of a number for messages.
std::string numberText(double value);
