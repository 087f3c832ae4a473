#pragma once

#include "db/branch_record.h"

#include <optional>

// A reverse-return branch's return pipe from one circuit's return to the
// next (from the last circuit, to the branch's foot): it carries the flow
// of every circuit up to it. Loss in kPa, typed or from the pipe.
struct ReturnSection {
    float loss = 0.0f;
    std::optional<PipeSection> pipe;
};
