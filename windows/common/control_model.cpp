#include "windows/common/control_model.h"

namespace {

ControlState defaultsOf(const Control& control)
{
    ControlState state;
    state.text = std::u16string(control.text);
    state.font = control.font;
    if (control.controlClass == ControlClass::OwnerDrawnButton) {
        state.backColour = kButtonBlue;
        state.textColour = kWhite;
    }
    if (control.controlClass == ControlClass::Icon)
        state.imageId = control.resourceId;
    return state;
}

} // namespace

ControlModel::ControlModel(const DialogTemplate& dialog)
{
    for (const Control& control : dialog.controls)
        if (control.id != kNoControlId)
            controls_[control.id] = defaultsOf(control);
}

const ControlState* ControlModel::find(int id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : &found->second;
}
