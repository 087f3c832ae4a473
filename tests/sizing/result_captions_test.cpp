#include "sizing/result_captions.h"

#include "data/text_format.h"
#include "data/units.h"

#include <gtest/gtest.h>

namespace {

AppState stateIn(std::uint8_t language, std::uint8_t flowUnit, std::uint8_t pressureUnit)
{
    AppState state{};
    state.languageIndex = language;
    state.engine.flowUnits = flowUnitTable();
    state.engine.pressureUnits = pressureUnitTable();
    state.engine.flowUnitIndex = flowUnit;
    state.engine.pressureUnitIndex = pressureUnit;
    return state;
}

struct CaptionCase {
    std::int32_t view;
    std::array<ResultCaption, 3> captions;
};

void expectCaptions(const AppState& state, const std::vector<CaptionCase>& cases)
{
    for (const CaptionCase& c : cases) {
        const auto captions = resultCaptions(state, c.view);
        for (std::size_t i = 0; i < captions.size(); ++i) {
            EXPECT_EQ(captions[i].shown, c.captions[i].shown) << "view " << c.view << " field " << i;
            EXPECT_EQ(utf16ToUtf8(captions[i].text), utf16ToUtf8(c.captions[i].text))
                << "view " << c.view << " field " << i;
        }
    }
}

const ResultCaption kLeftAsItWas{false, u""};

TEST(ResultCaptions, EveryViewInGermanWithTheStartUnits)
{
    expectCaptions(stateIn(3, 2, 8), // l/s, mbar
                   {
                       {3, {{{true, u"Voreinstellung"}, {true, u"Kv-Wert"}, {true, u"Öffnung (%)"}}}},
                       {4, {{kLeftAsItWas, {true, u"Durchflussmenge (l/s)"}, kLeftAsItWas}}},
                       {5, {{{true, u"Voreinstellung"}, {true, u"Kv-Wert"}, {true, u"Öffnung (%)"}}}},
                       {8,
                        {{{true, u"Voreinstellung"}, {true, u"Durchflussmenge (l/s)"}, {true, u"Mindest-dP (mbar)"}}}},
                       {9, {{kLeftAsItWas, {true, u"Durchflussmenge (l/s)"}, kLeftAsItWas}}},
                       {10, {{kLeftAsItWas, {false, u"---"}, kLeftAsItWas}}},
                   });
}

TEST(ResultCaptions, EveryViewInRussianWithOtherUnits)
{
    expectCaptions(stateIn(6, 6, 0), // m3/h, kPa
                   {
                       {3, {{{true, u"Преднастройка"}, {true, u"Значение Kv"}, {true, u"Открытие (%)"}}}},
                       {4, {{kLeftAsItWas, {true, u"Расход (m3/h)"}, kLeftAsItWas}}},
                       {5, {{{true, u"Преднастройка"}, {true, u"Значение Kv"}, {true, u"Открытие (%)"}}}},
                       {8, {{{true, u"Преднастройка"}, {true, u"Расход (m3/h)"}, {true, u"Мин. dP (kPa)"}}}},
                       {9, {{kLeftAsItWas, {true, u"Расход (m3/h)"}, kLeftAsItWas}}},
                       {10, {{kLeftAsItWas, {false, u"---"}, kLeftAsItWas}}},
                   });
}

TEST(ResultCaptions, GroupPagesShowNoResultCaption)
{
    const AppState state = stateIn(3, 2, 8);
    expectCaptions(state, {{0, {kLeftAsItWas, kLeftAsItWas, kLeftAsItWas}},
                           {2, {kLeftAsItWas, kLeftAsItWas, kLeftAsItWas}},
                           {7, {kLeftAsItWas, kLeftAsItWas, kLeftAsItWas}}});
}

} // namespace
