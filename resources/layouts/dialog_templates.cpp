#include "resources/layouts/dialog_templates.h"

const DialogTemplate* findDialogTemplate(int templateId)
{
    static const DialogTemplate* const kTemplates[] = {
        &aboutBoxTemplate(),       &mainWindowTemplate(),        &languageDialogTemplate(),
        &unitsDialogTemplate(),    &preferencesDialogTemplate(), &flowDialogTemplate(),
        &signOffDialogTemplate(),  &recordDialogTemplate(),
        &branchWindowTemplate(),  &systemWindowTemplate(),
    };
    for (const DialogTemplate* dialog : kTemplates) {
        if (dialog->id == templateId)
            return dialog;
    }
    return nullptr;
}

const Control* findControl(const DialogTemplate& dialog, int controlId)
{
    if (controlId == kNoControlId)
        return nullptr;
    for (const Control& control : dialog.controls) {
        if (control.id == controlId)
            return &control;
    }
    return nullptr;
}
