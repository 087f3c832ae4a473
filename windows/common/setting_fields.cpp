#include "windows/common/setting_fields.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "windows/common/numeric_field.h"

void SettingFieldTexts::showCaption(ControlModel& c, const AppState& state, int captionId, int textId,
                                    const char* unit) const
{
    c[captionId].text = captionWithUnit(state.languageIndex, textId, unit ? unit : pressureUnitLabel(state));
}

void SettingFieldTexts::showFigure(ControlModel& c, const AppState& state, int fieldId, const char* unit, float value)
{
    std::string& typed = typed_[fieldId];
    typed = formatCommaDecimal(unit ? value : pressureFromBase(state, value));
    c[fieldId].text = utf8ToUtf16(typed);
    limitToNumericText(c[fieldId]);
}

float SettingFieldTexts::typedFigure(ControlModel& c, const AppState& state, int fieldId, const char* unit)
{
    std::string& typed = typed_[fieldId];
    numericFieldChanged(c, fieldId, typed);
    const float value = parseCommaDecimal(typed);
    return unit ? value : pressureToBase(state, value);
}
