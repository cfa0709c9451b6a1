#pragma once

#include <memory>
#include <vector>

#include "geometry/pair_environment.h"

// The reduced pair distribution function G(r) of a structure, sampled at
// r = j·step, with an optional linear baseline removed by bisection.
class PdfFingerPrint {
public:
    explicit PdfFingerPrint(std::unique_ptr<PairEnvironment> environment);

    void setParameters(float step, float amplitude, float sharpness);
    // G(r); with `optimize` also the baseline-corrected curve and its slope.
    void compute(bool optimize);

    const std::vector<float>& g() const { return g_; }
    const std::vector<float>& corrected() const { return corrected_; }
    float slope() const { return slope_; }
    bool hasSlope() const { return hasSlope_; }
    float step() const { return step_; }
    const PairEnvironment& environment() const { return *environment_; }

    static float halfWindow(float step, float amplitude, float sharpness);

private:
    void fitBaseline();

    std::vector<float> g_;
    std::vector<float> corrected_;
    float step_ = 0.01f;
    float amplitude_ = 1.0f;
    float sharpness_ = 100.0f;
    std::unique_ptr<PairEnvironment> environment_;
    float slope_ = 0;
    bool hasSlope_ = false;
};

// Mean atomic mass and density (g/cm³) of a structure's unit cell, with or
// without hydrogen, cached in the structure (0 means not computed).
float meanCellMass(CrystalStructure& structure, bool includeHydrogens);
float cellDensity(CrystalStructure& structure, bool includeHydrogens);
