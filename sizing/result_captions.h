#pragma once

#include "app/app_state.h"

#include <array>
#include <cstdint>
#include <string>

// The caption above one result field (1036 over 1006, 1043 over 1008, 1044
// over 1009) on a type page; the caption and its field are shown or hidden
// together. A hidden caption's text is what the page writes into it: empty
// where the page leaves the caption as it was.
struct ResultCaption {
    bool shown = false;
    std::u16string text;
};

// The three result captions of a valve view in the current language, with
// the chosen flow or pressure unit filled in where the caption names one.
std::array<ResultCaption, 3> resultCaptions(const AppState& state, std::int32_t valveView);
