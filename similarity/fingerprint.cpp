#include "similarity/fingerprint.h"

#include "similarity/gaussian_profile.h"
#include "similarity/gaussian_window.h"

FingerPrint::FingerPrint(std::unique_ptr<PairEnvironment> environment) : environment_(std::move(environment)) {}

void FingerPrint::setParameters(float step, float amplitude, float sharpness) {
    step_ = step;
    amplitude_ = amplitude;
    sharpness_ = sharpness;
}

float FingerPrint::halfWindow(float step, float amplitude, float sharpness) {
    return gaussianHalfWindow(step, amplitude, sharpness, 0.0001);
}

void FingerPrint::compute() {
    environment_->buildEnvironment();
    profile_.assign(sampleCount(environment_->cutoffRadius(), step_), 0.0f);
    const float h = halfWindow(step_, amplitude_, sharpness_);
    for (const AtomPair& pair : environment_->pairs())
        addGaussianPeak(profile_, pair.distance, pair.weight * amplitude_, step_, sharpness_, h);
}
