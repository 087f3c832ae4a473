#pragma once

// Below this Reynolds number the flow in a pipe is taken as laminar.
inline constexpr double kLaminarReynoldsLimit = 2320.0;

// The Darcy friction factor lambda: 64 / Re below the laminar limit, else
// the Colebrook-White equation solved until lambda changes by less than
// 1e-6. relativeRoughness is k / d. A Reynolds number of 0 or less gives 0.
double darcyFrictionFactor(double reynolds, double relativeRoughness);
