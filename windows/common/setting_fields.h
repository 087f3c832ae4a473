#pragma once

#include "app/app_state.h"
#include "db/hydraulic_limits.h"
#include "windows/common/control_model.h"

#include <map>
#include <string>
#include <vector>

// A numeric field of a window's settings (a branch's, a system's): its
// caption, a text with its unit, and the figure it edits, either one of
// the settings' own or one of their hydraulic limits. The figure is typed
// in the pressure unit in force, or in the field's own unit.
template <class Settings>
struct SettingField {
    int captionId;
    int fieldId;
    int textId;
    const char* unit;              // nullptr: the pressure unit in force
    float Settings::*own;          // the settings' own figure, or else
    float HydraulicLimits::*limit; // one of their limits
};

// The fields of a window's settings with the texts typed into them.
class SettingFieldTexts {
public:
    // The captions, each with its unit in force.
    template <class Settings>
    void showCaptions(ControlModel& c, const AppState& state, const std::vector<SettingField<Settings>>& fields) const;
    // The figures, in the units in force.
    template <class Settings>
    void show(ControlModel& c, const AppState& state, const std::vector<SettingField<Settings>>& fields,
              const Settings& settings);
    // A field's change through the numeric filter into its figure; false
    // when the control is none of the fields.
    template <class Settings>
    bool apply(ControlModel& c, const AppState& state, const std::vector<SettingField<Settings>>& fields,
               Settings& settings, int controlId);

private:
    void showCaption(ControlModel& c, const AppState& state, int captionId, int textId, const char* unit) const;
    void showFigure(ControlModel& c, const AppState& state, int fieldId, const char* unit, float value);
    float typedFigure(ControlModel& c, const AppState& state, int fieldId, const char* unit);

    template <class Settings>
    static float& figureOf(Settings& settings, const SettingField<Settings>& field)
    {
        return field.own ? settings.*field.own : settings.limits.*field.limit;
    }
    template <class Settings>
    static float figureOf(const Settings& settings, const SettingField<Settings>& field)
    {
        return field.own ? settings.*field.own : settings.limits.*field.limit;
    }

    std::map<int, std::string> typed_; // by field id
};

template <class Settings>
void SettingFieldTexts::showCaptions(ControlModel& c, const AppState& state,
                                     const std::vector<SettingField<Settings>>& fields) const
{
    for (const SettingField<Settings>& field : fields)
        showCaption(c, state, field.captionId, field.textId, field.unit);
}

template <class Settings>
void SettingFieldTexts::show(ControlModel& c, const AppState& state, const std::vector<SettingField<Settings>>& fields,
                             const Settings& settings)
{
    for (const SettingField<Settings>& field : fields)
        showFigure(c, state, field.fieldId, field.unit, figureOf(settings, field));
}

template <class Settings>
bool SettingFieldTexts::apply(ControlModel& c, const AppState& state,
                              const std::vector<SettingField<Settings>>& fields, Settings& settings, int controlId)
{
    for (const SettingField<Settings>& field : fields)
        if (field.fieldId == controlId) {
            figureOf(settings, field) = typedFigure(c, state, field.fieldId, field.unit);
            return true;
        }
    return false;
}
