#pragma once

#include <cstddef>
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
    std::string details;
    std::vector<Field> fields; // the shown result fields, in display order
    std::string flowUnit;      // labels of the duty's units
    std::string pressureUnit;
};
