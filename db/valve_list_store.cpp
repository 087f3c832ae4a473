#include "db/valve_list_store.h"

#include "db/product_db.h"

std::uint16_t nextPosition(const std::vector<ProjectRow>& freshlyLoaded)
{
    if (freshlyLoaded.empty())
        return 1;
    return static_cast<std::uint16_t>(freshlyLoaded.back().posizione + 1);
}

int appendToValveList(ProductDb& db, ProjectRow row, std::vector<ProjectRow>& projects)
{
    std::vector<ProjectRow> current;
    if (!db.loadProjects(current))
        return -1; // a number after an unknown last row could repeat one
    row.posizione = nextPosition(current);
    const int result = db.insertProject(row);
    std::vector<ProjectRow> reloaded;
    if (db.loadProjects(reloaded))
        projects = std::move(reloaded);
    return result;
}
