#pragma once

#include <memory>
#include <vector>

#include "geometry/pair_environment.h"

// The mass-weighted Gaussian pair profile: sample j at r = j·step is the sum
// over pairs of weight·amplitude·exp(−sharpness·(r − d)²).
class FingerPrint {
public:
    explicit FingerPrint(std::unique_ptr<PairEnvironment> environment);

    void setParameters(float step, float amplitude, float sharpness);
    void compute();

    const std::vector<float>& profile() const { return profile_; }
    float step() const { return step_; }
    float amplitude() const { return amplitude_; }
    float sharpness() const { return sharpness_; }
    const PairEnvironment& environment() const { return *environment_; }

    // Samples this many × step beyond a distance still receive a contribution.
    static float halfWindow(float step, float amplitude, float sharpness);

private:
    std::vector<float> profile_;
    float step_ = 0.01f;
    float amplitude_ = 1.0f;
    float sharpness_ = 100.0f;
    std::unique_ptr<PairEnvironment> environment_;
};
