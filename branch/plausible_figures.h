#pragma once

#include <string>

// Figures beyond those of any building's water circuit: a slipped digit or
// unit, a pipe far too narrow for its flow, a control valve's Kvs typed in
// the wrong unit. A balance of them gives numbers that look like results
// (a pump head of two billion kPa); the limits refuse them instead.
struct PlausibleLimit {
    float value;
    const char* text; // as the message names it
};
inline constexpr PlausibleLimit kMostVelocity{5.0f, "5 m/s"};          // in a pipe section
inline constexpr PlausibleLimit kMostLoss{1600.0f, "1600 kPa"};        // any loss or head: PN 16
inline constexpr PlausibleLimit kMostCircuitLoss{1000.0f, "1000 kPa"}; // a circuit's own loss
inline constexpr PlausibleLimit kLeastKvs{0.01f, "0,01 m3/h"};         // a control valve

// One line naming where a figure is, the figure and the limit it passes
// (a figure that is no number passes every limit); empty when it keeps to
// the limit.
std::string aboveLimit(const std::string& where, const std::string& what, float value, const char* unit,
                       PlausibleLimit most);
std::string belowLimit(const std::string& where, const std::string& what, float value, const char* unit,
                       PlausibleLimit least);
