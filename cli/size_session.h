#pragma once

#include "app/app_state.h"
#include "cli/duty.h"
#include "cli/size_outcome.h"
#include "db/product_db.h"

#include <filesystem>
#include <iosfwd>
#include <string>

// The program's start-up state on a catalogue, from which every duty is
// calculated afresh, as if the window had just opened.
class SizeSession {
public:
    // Database errors go to sqlErrors, one line each, as in the program.
    explicit SizeSession(std::ostream& sqlErrors);

    // Opens an existing catalogue read-only; never creates a file. Empty on
    // success, else a one-line message.
    std::string open(const std::filesystem::path& database);

    // Runs the duty: the view is entered, the texts typed, the calculation
    // confirmed, and with a pick that candidate row clicked. Empty on
    // success, else a one-line message (a pick beyond the list). With
    // curveSvg, the chosen valve's presetting curve goes there as an SVG
    // picture; it stays empty when the view chose no valve with a curve.
    std::string run(const Duty& duty, const RunSettings& settings, SizeOutcome& outcome,
                    std::string* curveSvg = nullptr);

private:
    ProductDb db_;
    AppState startState_;
};
