#include "similarity/distance_angle_field.h"

#include "similarity/gaussian_window.h"

#include <cmath>

namespace {

// Mean angles of triangles lie in 0..60°; the grid ends a little above.
constexpr double angleSpan = 70;

std::size_t gridSize(double quotient) {
    if (!(quotient >= 0) || !(quotient < 1e9)) return 0;
    return static_cast<std::size_t>(quotient) + 1;
}

// trunc(v) held within 0..size; NaN counts as 0.
std::size_t clampedIndex(float v, std::size_t size) {
    if (!(v > 0)) return 0;
    return v >= static_cast<float>(size) ? size : static_cast<std::size_t>(v);
}

// The rows (or columns) a record touches.
struct Window {
    std::size_t first, end;
};

Window windowOf(float value, float step, float halfWindow, std::size_t size) {
    const float centre = value / step;
    return {clampedIndex(centre - halfWindow, size), clampedIndex(centre + halfWindow, size)};
}

// Grid coordinate of row or column i: a single-precision product, as the grid is laid out.
double gridCoordinate(std::size_t i, float step) { return static_cast<float>(i) * step; }

// One record, one exponential per grid point.
void addRecordDirect(DistanceAngleField& field, const TriangleRecord& t, float weight, Window rows, Window columns,
                     const DistanceAngleSettings& s) {
    for (std::size_t r = rows.first; r < rows.end; ++r) {
        const double dr = gridCoordinate(r, s.step) - t.perimeter;
        for (std::size_t q = columns.first; q < columns.end; ++q) {
            const double dq = gridCoordinate(q, s.angleStep) - t.meanAngle;
            field[r][q] = static_cast<float>(field[r][q] + weight * std::exp(-s.sharpness * (dr * dr + dq * dq)));
        }
    }
}

// cell += f·factor in single precision. Each element is one float multiply and
// one float add whatever the vector width, so the wider instructions of newer
// processors give the same bits.
__attribute__((target_clones("avx2", "default"))) void addScaledRow(float* cell, const float* factor, float f,
                                                                      std::size_t width) {
    for (std::size_t q = 0; q < width; ++q) cell[q] += f * factor[q];
}

// One record as the outer product of its row factors (weight included) and
// column factors: one exponential per row and per column.
struct FactorisedAdder {
    std::vector<double> rowFactor, columnFactor;
    std::vector<float> columnFloat;

    void operator()(DistanceAngleField& field, const TriangleRecord& t, float weight, Window rows, Window columns,
                    const DistanceAngleSettings& s) {
        rowFactor.clear();
        for (std::size_t r = rows.first; r < rows.end; ++r) {
            const double dr = gridCoordinate(r, s.step) - t.perimeter;
            rowFactor.push_back(weight * std::exp(-s.sharpness * (dr * dr)));
        }
        columnFactor.clear();
        for (std::size_t q = columns.first; q < columns.end; ++q) {
            const double dq = gridCoordinate(q, s.angleStep) - t.meanAngle;
            columnFactor.push_back(std::exp(-s.sharpness * (dq * dq)));
        }
        columnFloat.assign(columnFactor.begin(), columnFactor.end());
        const std::size_t width = columnFloat.size();
        for (std::size_t r = rows.first; r < rows.end; ++r)
            addScaledRow(field[r].data() + columns.first, columnFloat.data(), static_cast<float>(rowFactor[r - rows.first]),
                         width);
    }
};

template <typename AddRecord>
DistanceAngleField fieldOf(const std::vector<TriangleRecord>& records, int cutoffRadius,
                           const DistanceAngleSettings& s, AddRecord&& addRecord) {
    const std::size_t rows = distanceAngleRows(cutoffRadius, s.step);
    const std::size_t columns = distanceAngleColumns(s.angleStep);
    DistanceAngleField field(rows, std::vector<float>(columns, 0.0f));
    if (rows == 0 || columns == 0) return field;
    const float hp = gaussianHalfWindow(s.step, float(s.amplitude), float(s.sharpness), 0.0001);
    const float ha = gaussianHalfWindow(s.angleStep, float(s.amplitude), float(s.sharpness), 0.0001);
    for (const TriangleRecord& t : records) {
        const Window rowWindow = windowOf(t.perimeter, s.step, hp, rows);
        const Window columnWindow = windowOf(t.meanAngle, s.angleStep, ha, columns);
        if (rowWindow.first >= rowWindow.end || columnWindow.first >= columnWindow.end) continue;
        addRecord(field, t, static_cast<float>(t.massSum * s.amplitude), rowWindow, columnWindow, s);
    }
    return field;
}

}  // namespace

std::size_t distanceAngleRows(int cutoffRadius, float step) {
    return gridSize(std::trunc(static_cast<double>(cutoffRadius) / static_cast<double>(step)));
}

std::size_t distanceAngleColumns(float angleStep) {
    return gridSize(std::trunc(angleSpan / static_cast<double>(angleStep)));
}

double distanceAngleReach(int cutoffRadius, const DistanceAngleSettings& settings) {
    return cutoffRadius +
           static_cast<double>(gaussianHalfWindow(settings.step, float(settings.amplitude), float(settings.sharpness), 0.0001)) *
               settings.step;
}

DistanceAngleField distanceAngleField(const std::vector<TriangleRecord>& records, int cutoffRadius,
                                      const DistanceAngleSettings& s) {
    return fieldOf(records, cutoffRadius, s, FactorisedAdder{});
}

DistanceAngleField distanceAngleFieldDirect(const std::vector<TriangleRecord>& records, int cutoffRadius,
                                            const DistanceAngleSettings& s) {
    return fieldOf(records, cutoffRadius, s, addRecordDirect);
}
