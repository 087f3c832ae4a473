#pragma once

#include <string>
#include <vector>

// Where a row came from, for messages such as "fobv.csv:12: ...".
struct SourceRef {
    std::string file;
    int line = 0;
};

// A presetting scale: positions start, start + step, ... up to full.
struct PresetScale {
    double start = 0;
    double full = 0;
    double step = 0;
};

// Shape of a handwheel curve: F(h) = c h + (1 - c) (1 - (1 - h^a)^b).
struct CurveShape {
    double a = 0;
    double b = 0;
    double c = 0;
};

struct FluidSource {
    SourceRef where;
    long long number = 0;
    double relativeDensity = 0;
    long long specificHeat = 0; // J/(kg K)
    long long density = 0;      // kg/m3
    std::string name;
};

// Columns every valve row has, whatever its table.
struct ValveIdentity {
    SourceRef where;
    std::string code;  // codice_tecnico
    std::string model;
    std::string size;  // nominal size text, "DN 15" or "DN 65 PN16"
    std::string image;
};

struct FobvSource {
    ValveIdentity id;
    double kvMin = 0;
    double kvMax = 0;
    PresetScale scale;
    double kvs = 0;
    CurveShape shape;
};

struct VobvSource {
    ValveIdentity id;
    double kvMin = 0;
    double kvMax = 0;
    PresetScale scale;
    double qMin = 0;
    double qMax = 0;
    CurveShape shape;
};

struct PicvSource {
    ValveIdentity id;
    double qMin = 0;
    double qMax = 0;
    double dpMax = 0;      // largest differential pressure across the valve, kPa
    PresetScale scale;
    double dpMinLow = 0;   // regulator's own minimum pressure, kPa
    double dpMinFull = 0;  // minimum pressure at full presetting, kPa
};

struct DpcvSource {
    ValveIdentity id;
    double qMin = 0;
    double qMax = 0;
    double dpMin = 0;
    double dpMax = 0;
    double kvs = 0; // fully open controller; checks the flow range, not written
};

struct CatalogueSources {
    std::vector<FluidSource> fluids;
    std::vector<FobvSource> fobv;
    std::vector<VobvSource> vobv;
    std::vector<PicvSource> picv;
    std::vector<DpcvSource> dpcv;
};
