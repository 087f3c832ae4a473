#pragma once

#include "app/app_state.h"
#include "cli/duty.h"
#include "cli/size_outcome.h"

class ProductDb;

// What the window leaves to the reader, added to an outcome after the
// calculation: the duty as understood, each result as a number with its
// unit, the required Kv beside the Kv reached, the minimum pressure a check
// compared with, the verdict in plain words, and warnings for a valve at or
// beyond full opening or below the start of its scale.
void addFigures(const AppState& state, ProductDb& db, const Duty& duty, SizeOutcome& outcome);
