#pragma once

// The pressure drop of a control valve of flow coefficient kvs (m3/h at
// 1 bar) fully open at a flow in l/s, in kPa: SG x (36 Q / Kvs)^2, the
// sizing's own relation between Kv, flow and drop.
float controlValveDrop(float litresPerSecond, float kvs, float relativeDensity);
