#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The four kinds of valve, in the order of the preferences dialog.
enum ValveKind : int {
    FixedOrificeKind = 0,      // static balancing valve, fixed orifice (table fobv)
    VariableOrificeKind = 1,   // static balancing valve, variable orifice (vobv)
    PressureIndependentKind = 2, // pressure-independent control valve (picv)
    DpControllerKind = 3,      // differential pressure controller (dpcv)
};
inline constexpr int kValveKindCount = 4;

// Model names are held in 64-byte fields: at most 63 bytes of text.
inline constexpr std::size_t kModelNameLength = 63;

struct ModelChoice {
    std::string preferred;
    std::string alternative;
};
using ModelNames = std::array<ModelChoice, kValveKindCount>;

// The model names of a kind, in the order the preferences dialog lists them.
const std::vector<std::string>& modelNamesOfKind(int kind);

// List position of a model name within its kind, if it is one of them.
std::optional<std::size_t> modelPosition(int kind, const std::string& name);

ModelNames defaultModelNames();
