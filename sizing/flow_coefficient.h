#pragma once

// Required flow coefficient for a flow Q and a pressure drop dP, both in the
// units the user sees: K = sqrt(SG) x ((flowFactor x Q) x 36), then
// Kv = K / sqrt(pressureFactor x dP). Kv is in m3/h at 1 bar; the
// fixed-orifice sizing needs K on its own for the orifice bounds.
struct FlowCoefficient {
    float k = 0.0f;
    float kv = 0.0f;
};

FlowCoefficient requiredFlowCoefficient(float relativeDensity, float flowFactor, float flow, float pressureFactor,
                                        float pressureDrop);
