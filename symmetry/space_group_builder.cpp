#include "symmetry/space_group_builder.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "symmetry/rotation_table.h"

namespace {

constexpr std::array<int, 9> identityRotation{1, 0, 0, 0, 1, 0, 0, 0, 1};
constexpr std::array<int, 9> inversionRotation{-1, 0, 0, 0, -1, 0, 0, 0, -1};

enum class Offered { NotStored, Stored, Failed };

std::array<int, 3> difference(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

bool equivalent(const SpaceGroupBuilder& b, const SeitzMatrix& x, const SeitzMatrix& y) {
    return x.rotation == y.rotation && b.lattice->isCentringVector(difference(x.translation, y.translation));
}

bool holdsEquivalent(const SpaceGroupBuilder& b, const SeitzMatrix& op) {
    return std::any_of(b.operations.begin(), b.operations.end(),
                       [&](const SeitzMatrix& held) { return equivalent(b, held, op); });
}

// The lattice that a new pure translation t turns the current one into, or null.
const LatticeType* widerLattice(const LatticeType& current, const std::array<int, 3>& t) {
    const char from = current.letter;
    for (const LatticeType& candidate : latticeTypeTable) {
        const char to = candidate.letter;
        const bool allowed = (from == 'P' && to != 'P') ||
                             ((from == 'A' || from == 'B' || from == 'C') && to == 'F');
        if (allowed && candidate.isCentringVector(t)) return &candidate;
    }
    return nullptr;
}

Offered offer(SpaceGroupBuilder& b, const SeitzMatrix& p) {
    if (p.rotation == identityRotation) {
        if (b.lattice->isCentringVector(p.translation)) return Offered::NotStored;
        const LatticeType* wider = widerLattice(*b.lattice, p.translation);
        if (!wider) return Offered::Failed;
        // The new lattice's own centring vectors are centring translations by definition.
        b.lattice = wider;
        return Offered::NotStored;
    }
    if (p.rotation == inversionRotation) {
        if (b.lattice->isCentringVector(p.translation)) {
            b.centricMode = CentricMode::InversionAtOrigin;
            return Offered::NotStored;
        }
        // A product may offer the inversion already held; only a second one is a failure.
        if (holdsEquivalent(b, p)) return Offered::NotStored;
        if (b.centricMode != CentricMode::Acentric) return Offered::Failed;
        b.centricMode = CentricMode::InversionOffOrigin;
    } else if (holdsEquivalent(b, p)) {
        return Offered::NotStored;
    }
    if (rotationType(p.rotation) == 0 || !isKnownCrystallographicRotation(p.rotation) ||
        b.operations.size() >= static_cast<std::size_t>(maxOperations))
        return Offered::Failed;
    b.operations.push_back(p);
    return Offered::Stored;
}

SeitzMatrix negated(const SeitzMatrix& op) {
    SeitzMatrix n;
    for (int i = 0; i < 9; ++i) n.rotation[i] = -op.rotation[i];
    for (int i = 0; i < 3; ++i) n.translation[i] = modulo12(-op.translation[i]);
    return n;
}

// Moves each operation's powers right behind it; the identity stays first.
void reorder(SpaceGroupBuilder& b) {
    auto& ops = b.operations;
    std::size_t placed = 0;
    for (std::size_t pos = 0; pos < ops.size(); ++pos) {
        placed = std::max(placed, pos + 1);
        const SeitzMatrix p = ops[pos];
        const int type = rotationType(p.rotation);
        int order = std::abs(type);
        if (type == -1 || type == -3) order *= 2;
        SeitzMatrix power = p;
        for (int exponent = 2; exponent < order; ++exponent) {
            power = power * p;
            for (std::size_t q = placed; q < ops.size(); ++q)
                if (equivalent(b, ops[q], power)) {
                    std::rotate(ops.begin() + placed, ops.begin() + q, ops.begin() + q + 1);
                    ++placed;
                    break;
                }
        }
    }
}

// Removes ops[i] by moving the last operation into its place.
void removeAt(std::vector<SeitzMatrix>& ops, std::size_t i) {
    ops[i] = ops.back();
    ops.pop_back();
}

void removeCentringDuplicates(SpaceGroupBuilder& b) {
    auto& ops = b.operations;
    for (std::size_t i = 1; i < ops.size();) {
        bool duplicate = false;
        for (std::size_t j = 0; j < i && !duplicate; ++j) duplicate = equivalent(b, ops[j], ops[i]);
        if (duplicate) removeAt(ops, i);
        else ++i;
    }
}

void normaliseCentric(SpaceGroupBuilder& b) {
    auto& ops = b.operations;
    const auto inversion = std::find_if(ops.begin(), ops.end(), [](const SeitzMatrix& op) {
        return op.rotation == inversionRotation;
    });
    if (inversion == ops.end()) {
        if (b.centricMode != CentricMode::Acentric) b.centricMode = CentricMode::InversionAtOrigin;
        return;
    }
    if (!b.lattice->isCentringVector(inversion->translation)) {
        b.centricMode = CentricMode::InversionOffOrigin;
        return;
    }
    // The inversion sits on the origin: keep only proper operations, the export adds the rest.
    const bool wasAtOrigin = b.centricMode == CentricMode::InversionAtOrigin;
    for (std::size_t i = 0; i < ops.size();) {
        if (determinant(ops[i].rotation) != -1) {
            ++i;
            continue;
        }
        const SeitzMatrix proper = negated(ops[i]);
        if (wasAtOrigin && !holdsEquivalent(b, proper)) {
            ops[i] = proper;
            ++i;
        } else {
            removeAt(ops, i);
        }
    }
    b.centricMode = CentricMode::InversionAtOrigin;
}

// Most zero components, then smallest sum, then smallest first and second component.
bool betterTranslation(const std::array<int, 3>& x, const std::array<int, 3>& y) {
    auto zeros = [](const std::array<int, 3>& t) { return std::count(t.begin(), t.end(), 0); };
    if (zeros(x) != zeros(y)) return zeros(x) > zeros(y);
    const int sx = x[0] + x[1] + x[2], sy = y[0] + y[1] + y[2];
    if (sx != sy) return sx < sy;
    if (x[0] != y[0]) return x[0] < y[0];
    return x[1] < y[1];
}

void normaliseTranslations(SpaceGroupBuilder& b) {
    for (SeitzMatrix& op : b.operations) {
        std::array<int, 3> best = op.translation;
        for (int v = 0; v < b.lattice->vectorCount; ++v) {
            std::array<int, 3> candidate;
            for (int i = 0; i < 3; ++i) candidate[i] = modulo12(op.translation[i] + b.lattice->vectors[v][i]);
            if (v == 0 || betterTranslation(candidate, best)) best = candidate;
        }
        op.translation = best;
    }
}

float twelfthsAsFraction(int twelfths) {
    const int divisor = std::gcd(std::abs(twelfths), 12);
    return static_cast<float>(twelfths / divisor) / static_cast<float>(12 / divisor);
}

}  // namespace

bool addOperation(SpaceGroupBuilder& b, const SeitzMatrix& operation) {
    auto& ops = b.operations;
    if (ops.empty()) ops.push_back(identityOperation());
    const Offered first = offer(b, operation);
    if (first != Offered::Stored) return first != Offered::Failed;
    // Close the group: every stored operation from the new one on, times its predecessors.
    for (std::size_t i = ops.size() - 1; i < ops.size(); ++i)
        for (std::size_t j = 1; j <= i; ++j) {
            const SeitzMatrix product = ops[j] * ops[i];
            if (offer(b, product) == Offered::Failed) return false;
        }
    return true;
}

bool completeSpaceGroup(SpaceGroupBuilder& b) {
    auto& ops = b.operations;
    const std::array<int, 3>& v = b.originShift;
    if (v != std::array<int, 3>{0, 0, 0}) {
        for (SeitzMatrix& op : ops) {
            const std::array<int, 3> rv = rotate(op.rotation, v);
            for (int i = 0; i < 3; ++i) op.translation[i] = modulo12(op.translation[i] + v[i] - rv[i]);
        }
        if (b.centricMode == CentricMode::InversionAtOrigin) {
            // The inversion moves off the origin with the shift; inserting it closes
            // the improper half of the group, which was never stored.
            b.centricMode = CentricMode::Acentric;
            const SeitzMatrix inversion{inversionRotation, {modulo12(2 * v[0]), modulo12(2 * v[1]), modulo12(2 * v[2])}};
            if (!addOperation(b, inversion)) return false;
        }
    }
    if (ops.size() > static_cast<std::size_t>(maxOperations)) return false;
    if (ops.size() > 1) reorder(b);
    if (b.lattice->letter != 'P') removeCentringDuplicates(b);
    normaliseCentric(b);
    normaliseTranslations(b);
    if (ops.size() > 1) reorder(b);
    return true;
}

std::vector<SymmetryOperation> exportOperations(const SpaceGroupBuilder& b) {
    std::vector<SymmetryOperation> exported;
    const bool withInversion = b.centricMode == CentricMode::InversionAtOrigin;
    for (int v = 0; v < b.lattice->vectorCount; ++v) {
        const std::array<int, 3>& centring = b.lattice->vectors[v];
        for (int sign : {1, -1}) {
            if (sign < 0 && !withInversion) break;
            for (const SeitzMatrix& op : b.operations) {
                SymmetryOperation out;
                for (int i = 0; i < 3; ++i) {
                    for (int j = 0; j < 3; ++j) out.m[i][j] = static_cast<float>(sign * op.rotation[3 * i + j]);
                    int c = modulo12(sign * op.translation[i] + centring[i]);
                    if (c > 6) c -= 12;
                    out.m[i][3] = twelfthsAsFraction(c);
                }
                exported.push_back(out);
            }
        }
    }
    return exported;
}
