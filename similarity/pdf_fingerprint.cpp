#include "similarity/pdf_fingerprint.h"

#include <cmath>

#include "similarity/gaussian_profile.h"
#include "similarity/gaussian_window.h"

namespace {

// Sum of masses and count of the unit-cell atoms, hydrogen left out unless asked for.
void cellMasses(CrystalStructure& s, bool includeHydrogens, double& sum, int& count) {
    sum = 0;
    count = 0;
    for (const AtomSite& atom : s.getCellAtoms()) {
        if (!includeHydrogens && !(atom.elementNumber() > 1.01)) continue;
        sum += atom.mass();
        ++count;
    }
}

}  // namespace

float meanCellMass(CrystalStructure& s, bool includeHydrogens) {
    if (s.meanMass() == 0) {
        double sum;
        int count;
        cellMasses(s, includeHydrogens, sum, count);
        if (count > 0) s.setMeanMass(static_cast<float>(sum / count));
    }
    return s.meanMass();
}

float cellDensity(CrystalStructure& s, bool includeHydrogens) {
    if (s.density() == 0) {
        double sum;
        int count;
        cellMasses(s, includeHydrogens, sum, count);
        const double volume = s.cellVolume();
        // A degenerate cell has no density; G(r) then keeps its Gaussian part only.
        if (volume > 0 && std::isfinite(volume)) s.setDensity(static_cast<float>(1.66 * sum / volume));
    }
    return s.density();
}

PdfFingerPrint::PdfFingerPrint(std::unique_ptr<PairEnvironment> environment) : environment_(std::move(environment)) {}

void PdfFingerPrint::setParameters(float step, float amplitude, float sharpness) {
    step_ = step;
    amplitude_ = amplitude;
    sharpness_ = sharpness;
}

float PdfFingerPrint::halfWindow(float step, float amplitude, float sharpness) {
    return gaussianHalfWindow(step, amplitude, sharpness, 0.00001);
}

void PdfFingerPrint::compute(bool optimize) {
    environment_->buildEnvironment();
    const int nb = sampleCount(environment_->cutoffRadius(), step_);
    g_.assign(nb, 0.0f);
    const float h = halfWindow(step_, amplitude_, sharpness_);
    CrystalStructure& structure = environment_->structure();
    const bool hydrogens = environment_->includeHydrogens();
    const auto& pairs = environment_->pairs();
    if (!pairs.empty()) {
        const float mean = meanCellMass(structure, hydrogens);
        for (const AtomPair& pair : pairs) {
            const float q = static_cast<float>(double(pair.weight) / (double(mean) * double(mean)));
            addGaussianPeak(g_, pair.distance, q, step_, sharpness_, h);
        }
    }
    const float rho = cellDensity(structure, hydrogens);
    for (int j = 1; j < nb; ++j) {
        const float r = static_cast<float>(double(j) * double(step_));
        const float divided = static_cast<float>(double(g_[j]) / double(r));
        g_[j] = static_cast<float>(double(divided) - double(rho) * double(r) * double(12.566368f));
    }
    if (optimize) fitBaseline();
}

void PdfFingerPrint::fitBaseline() {
    const std::size_t nb = g_.size();
    corrected_.assign(nb, 0.0f);
    float lower = -1000, upper = 1000, s = 1000;
    for (int pass = 1; pass <= 10000; ++pass) {
        float sum = 0;
        for (std::size_t j = 1; j < nb; ++j) {
            const float r = static_cast<float>(double(j) * double(step_));
            corrected_[j] = static_cast<float>(double(g_[j]) - double(s) * double(r));
            sum += corrected_[j];
        }
        float gap;
        if (sum > 0) {
            gap = upper - s;
            lower = s;
            s = s + (upper - s) / 2;
        } else {
            gap = s - lower;
            upper = s;
            s = lower + (s - lower) / 2;
        }
        if ((sum > -1 && sum < 1) || gap < 0.00001f) break;
    }
    slope_ = s;
    hasSlope_ = true;
}
