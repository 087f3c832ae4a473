#include "sizing/result_captions.h"

#include "app/unit_conversion.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "sizing/result_field_visibility.h"

namespace {

constexpr int kUnchanged = -1; // the page leaves the caption as it was
constexpr int kDashes = -2;    // the page blanks the caption it hides

// The label of the unit a caption names, or none.
using UnitLabel = std::string (*)(const AppState&);

struct CaptionSource {
    int textId = kUnchanged;
    UnitLabel unit = nullptr;
};

struct ViewCaptions {
    std::int32_t view;
    std::array<CaptionSource, 3> captions;
};

constexpr int kTextPresetting = 24;
constexpr int kTextKvValue = 25;
constexpr int kTextOpening = 26;
constexpr int kTextFlowRate = 27;
constexpr int kTextDpMin = 29;

// Commissioning pages caption their one result (a flow, or the pressure
// verdict) as a flow rate.
constexpr std::array<ViewCaptions, 6> kViewCaptions{{
    {3, {{{kTextPresetting}, {kTextKvValue}, {kTextOpening}}}},
    {4, {{{}, {kTextFlowRate, flowUnitLabel}, {}}}},
    {5, {{{kTextPresetting}, {kTextKvValue}, {kTextOpening}}}},
    {8, {{{kTextPresetting}, {kTextFlowRate, flowUnitLabel}, {kTextDpMin, pressureUnitLabel}}}},
    {9, {{{}, {kTextFlowRate, flowUnitLabel}, {}}}},
    {10, {{{}, {kDashes}, {}}}},
}};

std::u16string captionText(const AppState& state, const CaptionSource& source)
{
    if (source.textId == kUnchanged)
        return {};
    if (source.textId == kDashes)
        return u"---";
    const std::u16string unit = source.unit ? utf8ToUtf16(source.unit(state)) : std::u16string();
    return formatText(TextTable::text(state.languageIndex, source.textId), {unit});
}

} // namespace

std::array<ResultCaption, 3> resultCaptions(const AppState& state, std::int32_t valveView)
{
    std::array<ResultCaption, 3> captions{};
    const ResultFieldVisibility visible = resultFieldVisibility(valveView);
    const std::array<bool, 3> shown{visible.first, visible.second, visible.third};
    for (const ViewCaptions& entry : kViewCaptions)
        if (entry.view == valveView)
            for (std::size_t i = 0; i < captions.size(); ++i)
                captions[i] = {shown[i], captionText(state, entry.captions[i])};
    return captions;
}
