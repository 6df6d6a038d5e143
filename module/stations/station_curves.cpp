#include "station_curves.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace WoSt {
namespace {

// Tap rates come from conversions; closer than this they count as equal.
constexpr double kFlowTolerance = 1e-10;

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) <= kFlowTolerance;
}
bool lessOrEqual(double a, double b) {
    return a < b || nearlyEqual(a, b);
}
bool strictlyLess(double a, double b) {
    return a < b && !nearlyEqual(a, b);
}

// First curve at or less than five degrees above the wanted supply temperature.
std::optional<size_t> findSupply(const std::vector<tAnsatzKennlinieItem>& items, int tVL) {
    for (size_t i = 0; i < items.size(); ++i) {
        const double above = items[i].tVL - tVL;
        if (items[i].tVL == tVL || (above > 0.0 && above < 5.0))
            return i;
    }
    return std::nullopt;
}

std::optional<size_t> findColdFrom(const std::vector<tAnsatzKennlinieItem>& items, size_t from, int tK) {
    for (size_t i = from; i < items.size(); ++i)
        if (items[i].tK >= tK)
            return i;
    return std::nullopt;
}

std::optional<size_t> findHotFrom(const std::vector<tAnsatzKennlinieItem>& items, size_t from, int tW) {
    for (size_t i = from; i < items.size(); ++i)
        if (items[i].tW >= tW)
            return i;
    return std::nullopt;
}

} // namespace

void SortAnsatzKennlinien(std::vector<tAnsatzKennlinieItem>& items) {
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return std::tie(a.tVL, a.tK, a.tW) < std::tie(b.tVL, b.tK, b.tW);
    });
}

std::optional<size_t> FindOperatingPoint(const std::vector<tAnsatzKennlinieItem>& sorted, int tVL, int tK,
                                         int tW, bool hasHeatingRod) {
    const auto supply = findSupply(sorted, tVL);
    if (!supply)
        return std::nullopt;
    const auto cold = findColdFrom(sorted, *supply, tK);
    if (!cold)
        return std::nullopt;
    if (const auto hot = findHotFrom(sorted, *cold, tW); hot && sorted[*hot].row != 0)
        return hot;
    if (!hasHeatingRod)
        return std::nullopt;
    const double supplyTemp = sorted[*supply].tVL;
    std::optional<size_t> last;
    for (size_t i = *cold; i < sorted.size() && sorted[i].tVL == supplyTemp; ++i)
        last = i;
    if (last && sorted[*last].row != 0)
        return last;
    return std::nullopt;
}

std::optional<size_t> FindSegment(const std::vector<tKennlinieItem>& points, double z) {
    if (points.size() < 2)
        return std::nullopt;
    const size_t last = points.size() - 2;
    for (size_t i = 0; i <= last; ++i) {
        if (!lessOrEqual(points[i].flow, z))
            continue;
        if (strictlyLess(z, points[i + 1].flow) || (i == last && lessOrEqual(z, points[i + 1].flow)))
            return i;
    }
    return std::nullopt;
}

tKennlinieItem Interpolate(const std::vector<tKennlinieItem>& points, size_t segment, double z) {
    const tKennlinieItem& a = points[segment];
    const tKennlinieItem& b = points[segment + 1];
    const double width = b.flow - a.flow;
    const double s = width > 0.0 ? (z - a.flow) / width : 0.0;
    return {z, a.vPrim + s * (b.vPrim - a.vPrim), a.tRLPrim + s * (b.tRLPrim - a.tRLPrim)};
}

} // namespace WoSt
