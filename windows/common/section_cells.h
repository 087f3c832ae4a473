#pragma once

#include "app/app_state.h"
#include "db/branch_record.h"

#include <optional>
#include <string>
#include <vector>

// How a cell typed into a table came to its row.
enum class CellEdit {
    Applied,
    NotRead,     // not its column's value
    LossAndPipe, // a section's loss typed beside its pipe, or the other way round
};

// A section of pipework in a table's row (a riser section, a main's
// section): its loss typed in one cell, or its pipe in four cells of their
// own (length, inner diameter, roughness, the fittings' zeta), which then
// replaces the loss.
inline constexpr std::size_t kPipeCells = 4;

// A number as a cell shows it: a decimal comma, as many digits as it needs.
std::u16string numberCell(float value);

// The loss cell, in the pressure unit in force; empty where the pipe gives it.
std::u16string sectionLossCell(const AppState& state, float loss, const std::optional<PipeSection>& pipe);
// The four pipe cells; empty where the section has no pipe.
std::vector<std::u16string> pipeCells(const std::optional<PipeSection>& pipe);

// A loss typed: emptied it is 0; a number (see cellNumber) only where no
// pipe gives the loss. Anything but Applied leaves the loss as it was.
CellEdit applySectionLossCell(const AppState& state, float& loss, const std::optional<PipeSection>& pipe,
                              const std::u16string& cell);
// The pipe cell at index (0 to 3) typed: emptied, it takes its default, and
// the pipe goes once all four are back at theirs; a number makes the pipe,
// but only where no loss other than 0 is typed (a typed 0 is no loss).
CellEdit applyPipeCell(std::optional<PipeSection>& pipe, float loss, std::size_t index, const std::u16string& cell);
