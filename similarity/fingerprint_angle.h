#pragma once

#include <memory>

#include "similarity/distance_angle_field.h"
#include "similarity/triangle_environment.h"

// The distance-angle fingerprint of one structure: its triangles spread over
// a perimeter × mean-angle grid, each weighted by its mass sum.
class FingerPrintAngle {
public:
    // Builds a triangle environment with the given reach; distanceAngleReach
    // gives the usual one for the settings the fingerprint will use.
    FingerPrintAngle(const CrystalStructure& structure, int cutoffRadius, bool includeHydrogens, double reach);
    // Takes over an environment made elsewhere, built or not.
    explicit FingerPrintAngle(std::unique_ptr<TriangleEnvironment> environment);

    // Steps and sharpness must be positive and finite (std::invalid_argument
    // otherwise). A change after compute() does not recompute the field.
    void setStep(float step);
    void setAmplitude(double amplitude);
    void setSharpness(double sharpness);
    void setAngleStep(float angleStep);
    const DistanceAngleSettings& settings() const { return settings_; }

    // Builds the environment unless it holds triangles, then fills the field
    // unless it is filled; a second call changes nothing.
    void compute();

    const DistanceAngleField& field() const { return field_; }
    const TriangleEnvironment& environment() const { return *environment_; }

private:
    std::unique_ptr<TriangleEnvironment> environment_;
    DistanceAngleSettings settings_;
    DistanceAngleField field_;
};
