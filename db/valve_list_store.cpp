#include "db/valve_list_store.h"

std::uint16_t nextPosition(const std::vector<ProjectRow>& freshlyLoaded)
{
    if (freshlyLoaded.empty())
        return 1;
    return static_cast<std::uint16_t>(freshlyLoaded.back().posizione + 1);
}
