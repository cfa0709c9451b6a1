#include "similarity/fingerprint_angle.h"

#include <cmath>
#include <stdexcept>

namespace {

void requirePositive(double value, const char* what) {
    if (!(value > 0) || !std::isfinite(value)) throw std::invalid_argument(std::string(what) + " must be positive");
}

}  // namespace

FingerPrintAngle::FingerPrintAngle(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens,
                                   double reach)
    : environment_(std::make_unique<TriangleEnvironment>(structure, cutoffRadius, includeHydrogens, reach)) {}

FingerPrintAngle::FingerPrintAngle(std::unique_ptr<TriangleEnvironment> environment)
    : environment_(std::move(environment)) {
    if (!environment_) throw std::invalid_argument("a fingerprint needs an environment");
}

void FingerPrintAngle::setStep(float step) {
    requirePositive(step, "step");
    settings_.step = step;
}

void FingerPrintAngle::setAmplitude(double amplitude) { settings_.amplitude = amplitude; }

void FingerPrintAngle::setSharpness(double sharpness) {
    requirePositive(sharpness, "sharpness");
    settings_.sharpness = sharpness;
}

void FingerPrintAngle::setAngleStep(float angleStep) {
    requirePositive(angleStep, "angle step");
    settings_.angleStep = angleStep;
}

void FingerPrintAngle::compute() {
    if (environment_->triangles().empty()) environment_->buildEnvironment();
    if (field_.empty()) field_ = distanceAngleField(environment_->triangles(), environment_->cutoffRadius(), settings_);
}
