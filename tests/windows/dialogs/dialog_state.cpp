#include "tests/windows/dialogs/dialog_state.h"

#include <utility>

AppState startupState(std::uint8_t language)
{
    AppState state{};
    state.engine.modelNames = defaultModelNames();
    state.engine.dpMin = 1.0f;
    state.engine.dpMax = 6.0f;
    state.engine.fluids = {
        {1, 1.0f, 4000, 1050}, {2, 1.01f, 3900, 1014}, {3, 1.03f, 3800, 1028},
        {4, 1.04f, 3700, 1042}, {5, 1.06f, 3500, 1056}, {6, 1.07f, 3300, 1070},
    };
    state.engine.flowUnits = flowUnitTable();
    state.engine.pressureUnits = pressureUnitTable();
    state.engine.powerUnits = powerUnitTable();
    state.engine.temperatureUnits = temperatureUnitTable();
    state.engine.flowUnitIndex = 2;
    state.engine.pressureUnitIndex = 8;
    state.languageIndex = language;
    return state;
}

void typeInto(WindowLogic& window, int fieldId, std::u16string text)
{
    window.controls()[fieldId].text = std::move(text);
    window.onTextChanged(fieldId);
}

void pick(WindowLogic& window, int listId, int index)
{
    window.controls()[listId].currentIndex = index;
    window.onSelectionChanged(listId);
}

std::u16string shown(const WindowLogic& window, int controlId)
{
    const ControlState* control = window.controls().find(controlId);
    return control ? control->text : std::u16string();
}

std::u16string picked(const WindowLogic& window, int listId)
{
    const ControlState* list = window.controls().find(listId);
    if (!list || list->currentIndex < 0 || static_cast<std::size_t>(list->currentIndex) >= list->entries.size())
        return std::u16string();
    return list->entries[static_cast<std::size_t>(list->currentIndex)];
}
