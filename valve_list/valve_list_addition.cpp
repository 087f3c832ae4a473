#include "valve_list/valve_list_addition.h"

#include "db/measurement_store.h"
#include "db/valve_list_store.h"
#include "valve_list/designation_field.h"

ValveListAddition addToValveList(ProductDb& db, ProjectRow row, std::vector<ProjectRow>& projects)
{
    row.riferimento = trimmedDesignation(row.riferimento);
    row = fittedToFields(row);
    if (row.riferimento.empty())
        return {ValveListAdd::NoDesignation, {}};
    std::vector<ProjectRow> sameDesignation;
    if (!db.findProjectsByDesignation(row.riferimento, sameDesignation))
        return {ValveListAdd::Failed, db.lastFailure()};
    if (!sameDesignation.empty())
        return {ValveListAdd::DesignationTaken, {}};
    std::vector<ProjectRow> current;
    if (!db.loadProjects(current))
        return {ValveListAdd::Failed, db.lastFailure()};
    row.posizione = nextPosition(current);
    // Readings left under a number no valve has, the new one's included,
    // are no reading of the new valve.
    if (const auto failure = MeasurementStore(db.handle()).removeOrphans())
        return {ValveListAdd::Failed, *failure};
    if (db.insertProject(row) != 0)
        return {ValveListAdd::Failed, db.lastFailure()};
    std::vector<ProjectRow> reloaded;
    if (db.loadProjects(reloaded))
        projects = std::move(reloaded);
    return {ValveListAdd::Added, {}};
}
