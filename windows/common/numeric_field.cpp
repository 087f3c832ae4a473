#include "windows/common/numeric_field.h"

#include "data/number_text.h"
#include "data/text_format.h"

void limitToNumericText(ControlState& field) { field.maxLength = static_cast<int>(kNumericFieldLength); }

void numericFieldChanged(ControlModel& controls, int fieldId, std::string& stored)
{
    ControlState& field = controls[fieldId];
    if (!acceptNumericText(stored, utf16ToUtf8(field.text)).resetField)
        return;
    field.text = utf8ToUtf16(stored);
    controls.focusRequest = fieldId;
}
