#include "windows/common/first_tab_stop.h"

std::optional<int> firstTabStop(const DialogTemplate& dialog, const ControlModel& controls)
{
    for (const int id : dialog.tabOrder) {
        const ControlState* state = controls.find(id);
        if (state && state->visible && state->enabled)
            return id;
    }
    return std::nullopt;
}
