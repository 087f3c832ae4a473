#pragma once

#include <string>

// What the engineer enters for the sign-off of the commissioning protocol;
// an empty field prints as a line to fill in by hand.
struct ProtocolSignOff {
    std::u16string commissioningDate;
    std::u16string engineer;
    std::u16string company;
    std::u16string instrument;
    std::u16string calibrationDate;
    std::u16string remarks;
    std::u16string contractor;
    std::u16string client;
};
