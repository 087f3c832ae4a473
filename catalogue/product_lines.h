#pragma once

#include <optional>
#include <string>
#include <vector>

// The four valve tables of the catalogue.
enum class ValveTable { Fobv, Vobv, Picv, Dpcv };

// A model of a table with the pictures its rows may show.
struct ModelLine {
    ValveTable table;
    std::string model;
    std::vector<std::string> images;
};
const std::vector<ModelLine>& modelLines();

// How one model's rows relate to another model's rows of the same size.
enum class Relation {
    SameHydraulics, // a connection variant: same curve and ranges
    LowFlow,        // a reduced seat: smaller flows than the reference
};
struct ModelRelation {
    std::string model;
    std::string reference;
    Relation relation;
};
const std::vector<ModelRelation>& modelRelations();

// First digit of the material numbers of a table ("AR1..." for fobv).
char familyDigit(ValveTable table);

// Largest positions count of a table's presetting scale.
int maximumPositions(ValveTable table);

// Nominal diameter of a size text "DN 15" or "DN 65 PN16", if it is one of
// the sizes the range is built in.
std::optional<int> nominalDiameter(const std::string& size);

// Bore of medium-series steel pipe of a nominal diameter, in mm.
double pipeBore(int nominalDiameter);

// Highest pipe velocity at full flow: threaded sizes up to DN 50, flanged above.
double velocityLimit(int nominalDiameter);
