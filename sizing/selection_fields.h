#pragma once

#include <cstdint>
#include <string>

// The three numbers the results panel shows in its fields.
struct ResultValues {
    float resultPresetting = 0.0f;
    float resultMain = 0.0f;
    float resultAux = 0.0f;
};

// What the main window holds for the selection: the input texts as typed
// (decimal comma), the candidate row clicked last and the result values.
// The temperatures and the power come from the last flow calculation and
// only travel into the valve list.
struct SelectionFields {
    std::string flowInput;  // in the presetting check: the presetting
    std::string dpInput;
    std::string supplyTempInput = "20,00";
    std::string returnTempInput = "15,00";
    std::string powerInput = "0,00";
    std::int32_t candidateIndex = -1;
    ResultValues results;
};
