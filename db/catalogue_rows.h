#pragma once

#include <array>
#include <cstdint>
#include <string>

// Rows of the catalogue tables, read by column position from "SELECT *".
// Texts are UTF-8, cut to at most kRowTextLength bytes; SQL NULL reads as an
// empty text or 0.

inline constexpr std::size_t kRowTextLength = 127;

struct FluidRow {
    std::int32_t number = 0;
    float relativeDensity = 0.0f;      // water = 1
    std::int32_t specificHeat = 0;     // J/(kg K)
    std::int32_t density = 0;          // kg/m3
};

struct FobvRow {
    std::string model;
    float kvMin = 0.0f;
    float kvMax = 0.0f;
    float presetStart = 0.0f;
    float presetFullOpening = 0.0f;
    float presetStep = 0.0f;
    std::string nominalSize;
    std::string technicalCode;         // codice_tecnico, the material number
    float kvs = 0.0f;                  // flow coefficient of the measuring orifice
    std::string imageKey;
};

struct VobvRow {
    std::string technicalCode;
    std::string model;
    float kvMin = 0.0f;
    float kvMax = 0.0f;
    float presetStart = 0.0f;
    float presetFullOpening = 0.0f;
    float presetStep = 0.0f;
    std::string nominalSize;
    std::string imageKey;
    float qMin = 0.0f;
    float qMax = 0.0f;
};

struct PicvRow {
    std::string model;
    float qMin = 0.0f;
    float qMax = 0.0f;
    std::string technicalCode;
    float fourthNumber = 0.0f;         // read, used by no calculation
    std::string nominalSize;
    float presetStart = 0.0f;
    float presetFull = 0.0f;           // presetting at full opening, the end of its scale
    float presetStep = 0.0f;
    std::string imageKey;
};

// A valve's presetting scale: from start to full in steps of step.
struct PresettingScale {
    float start = 0.0f;
    float full = 0.0f; // not above start when the catalogue gives no end
    float step = 0.0f;
};

struct DpcvRow {
    std::string model;
    float qMin = 0.0f;
    float qMax = 0.0f;
    float dpMin = 0.0f;
    float dpMax = 0.0f;
    std::string technicalCode;
    std::string nominalSize;
    std::string imageKey;
};

inline constexpr std::size_t kPresetPositions = 131;
inline constexpr std::size_t kStartupPositions = 28;

// Kv (m3/h) or, for pressure-independent valves, flow (l/s) per position.
struct PresetRow {
    std::string technicalCode;
    std::string model;
    std::array<float, kPresetPositions> values{};
};

// Minimum differential pressure in kPa per presetting position.
struct StartupRow {
    std::string technicalCode;
    std::string model;
    std::array<float, kStartupPositions> values{};
};
