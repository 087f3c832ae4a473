#pragma once

#include "db/product_db.h"
#include "db/project_row.h"

#include <vector>

// How adding a valve to the valve list ended.
enum class ValveListAdd {
    Added,
    NoDesignation,    // blanks only
    DesignationTaken, // a valve of the list has it already
    Failed,           // the database refused; nothing was added
};

struct ValveListAddition {
    ValveListAdd outcome = ValveListAdd::Failed;
    DbFailure failure; // why, when it failed
};

// The one way a window adds a valve to the list: under its designation
// without the blanks at its ends, numbered after the table's last row. A
// designation the list holds already is refused, and so is every valve
// while the designations or the list cannot be read: numbered blind, it
// could repeat a number or a designation. Readings kept for valves the list
// no longer has go first, an earlier valve's of the same number and
// designation among them, so that the new valve never inherits one; where
// they cannot go, the valve is not added.
// After an insert, projects holds the list as read again (or as it was, when
// that read failed).
ValveListAddition addToValveList(ProductDb& db, ProjectRow row, std::vector<ProjectRow>& projects);
