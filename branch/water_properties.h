#pragma once

#include <optional>

// What the loss of a pipe needs of the fluid in it.
struct FluidProperties {
    double density = 0.0;            // kg/m3
    double kinematicViscosity = 0.0; // m2/s
};

// Liquid water at atmospheric pressure, 0 to 100 C, interpolated linearly
// in a table every 10 K; none outside that range.
std::optional<FluidProperties> waterAt(double celsius);
