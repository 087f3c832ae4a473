#include "sizing/result_field_visibility.h"

#include <array>

namespace {

struct ViewFields {
    std::int32_t view;
    ResultFieldVisibility fields;
};

// Commissioning shows only the measured flow or the verdict; the
// differential pressure controller shows no number at all.
constexpr std::array<ViewFields, 5> kVisibleFields{{
    {3, {true, true, true}},
    {4, {false, true, false}},
    {5, {true, true, true}},
    {8, {true, true, true}},
    {9, {false, true, false}},
}};

} // namespace

ResultFieldVisibility resultFieldVisibility(std::int32_t valveView)
{
    for (const ViewFields& entry : kVisibleFields)
        if (entry.view == valveView)
            return entry.fields;
    return {};
}
