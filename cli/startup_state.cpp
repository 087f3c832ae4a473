#include "cli/startup_state.h"

#include "app/startup.h"

AppState startupState(ProductDb& db)
{
    AppState state{};
    applyStartupDefaults(state, db);
    return state;
}
