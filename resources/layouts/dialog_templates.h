#pragma once

#include "resources/layouts/dialog_template.h"

// The program's window layouts, by template id.
const DialogTemplate& aboutBoxTemplate();          // 100
const DialogTemplate& mainWindowTemplate();        // 102
const DialogTemplate& languageDialogTemplate();    // 103
const DialogTemplate& unitsDialogTemplate();       // 104
const DialogTemplate& preferencesDialogTemplate(); // 105
const DialogTemplate& flowDialogTemplate();        // 106
const DialogTemplate& branchWindowTemplate();      // 107
const DialogTemplate& signOffDialogTemplate();     // 108
const DialogTemplate& recordDialogTemplate();      // 109
const DialogTemplate& systemWindowTemplate();      // 110

// The template with this id, or nullptr when the program has none.
const DialogTemplate* findDialogTemplate(int templateId);

// The control with this id, or nullptr; kNoControlId finds nothing, as
// those controls are not meant to be found.
const Control* findControl(const DialogTemplate& dialog, int controlId);
