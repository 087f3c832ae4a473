#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What one calculation shows, as UTF-8 texts: the candidate list and the
// results panel's fields (status 1046, results 1006, 1008, 1009, details
// 1010). A field the view keeps hidden reads empty.
struct SizeOutcome {
    struct Candidate {
        std::string model;
        std::string code;
        std::string size;
    };
    // A result field the view shows, with the caption the window gives it.
    struct Field {
        std::string label;
        std::string value;
    };

    std::string view;
    bool found = false; // the status reads "Type series"
    std::optional<std::size_t> chosen;
    std::vector<Candidate> candidates;
    std::string status;
    std::string result1;
    std::string result2;
    std::string result3;
    // The figures behind result1 to result3, as computed.
    std::array<float, 3> resultValues{};
    std::string details;
    std::vector<Field> fields; // the shown result fields, in display order
    std::string flowUnit;      // labels of the duty's units
    std::string pressureUnit;

    // The duty as the calculation understood it, for readers without the
    // command line or the duty file at hand.
    struct Echo {
        std::string heading; // work mode and valve type, in the chosen language
        std::string flow;    // the numbers as read, with a decimal comma; empty
        std::string dp;      // where the view does not read them
        std::optional<std::size_t> pick;
        std::uint8_t fluid = 0;
        std::string fluidName;
        std::vector<Field> lines; // the inputs the view reads, captioned with their units
    };
    Echo duty;

    // A result as a number (none for "---"), with its unit: presetting, kv,
    // kv_required, opening_percent, flow, dp_min.
    struct Number {
        std::string name;
        std::string text; // as shown
        std::optional<double> value;
        std::string unit;
    };
    std::vector<Number> numbers;
    std::vector<Field> report;         // the result lines a person reads, captions with units
    std::string verdict;               // in plain words
    std::vector<std::string> warnings; // a valve at full opening or below its scale
};
