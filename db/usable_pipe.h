#pragma once

#include "db/branch_record.h"

// A pipe section the losses can be computed from: a length, and an inner
// diameter of more than twice the roughness.
inline bool usablePipe(const PipeSection& pipe)
{
    return pipe.lengthM > 0.0f && pipe.innerDiameterMm > 2.0f * pipe.roughnessMm;
}
