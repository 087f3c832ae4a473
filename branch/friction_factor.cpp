#include "branch/friction_factor.h"

#include <cmath>

double darcyFrictionFactor(double reynolds, double relativeRoughness)
{
    if (!(reynolds > 0.0))
        return 0.0;
    if (reynolds < kLaminarReynoldsLimit)
        return 64.0 / reynolds;
    // 1 / sqrt(lambda) = -2 log10(k / (3.71 d) + 2.51 / (Re sqrt(lambda))),
    // iterated on x = 1 / sqrt(lambda): it contracts, from any start, within
    // a handful of steps; the bound only guards against a non-finite input.
    double x = 7.0;
    double lambda = 1.0 / (x * x);
    for (int step = 0; step < 100; ++step) {
        x = -2.0 * std::log10(relativeRoughness / 3.71 + 2.51 * x / reynolds);
        const double next = 1.0 / (x * x);
        const bool settled = std::fabs(next - lambda) < 1e-6;
        lambda = next;
        if (settled)
            break;
    }
    return lambda;
}
