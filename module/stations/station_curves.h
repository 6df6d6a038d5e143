#pragma once

// The heat exchanger's data as the check uses it: the fitted curves (one row per supply, cold-
// and hot-water temperature) and the characteristic of one curve (tap rate against primary
// flow and primary return temperature).

#include <cstdint>

#include <optional>
#include <vector>

namespace WoSt {

struct tAnsatzKennlinieItem {
    std::int64_t row = 0; // row of the curve in the fitted-curve table
    double tVL = 0.0;     // supply temperature, °C
    double tK = 0.0;      // cold-water temperature, °C
    double tW = 0.0;      // hot-water temperature, °C
};

struct tKennlinieItem {
    double flow = 0.0;    // tap rate, l/min
    double vPrim = 0.0;   // primary volume flow, l/h
    double tRLPrim = 0.0; // primary return temperature, °C
};

// Ascending by supply, then cold-water, then hot-water temperature.
void SortAnsatzKennlinien(std::vector<tAnsatzKennlinieItem>& items);

// Index of the operating point in the sorted curves for the truncated temperatures, or none.
// The first search wants a curve that reaches the hot-water temperature by itself; the second,
// tried only for a device with a heating rod, takes the hottest curve of the supply
// temperature found and leaves the rest to the rod.
std::optional<size_t> FindOperatingPoint(const std::vector<tAnsatzKennlinieItem>& sorted, int tVL, int tK,
                                         int tW, bool hasHeatingRod);

// The first segment i with flow[i] ≤ z < flow[i+1] (the last segment includes its end), or
// none. The points need not be in order: a segment is any two neighbours that enclose z.
std::optional<size_t> FindSegment(const std::vector<tKennlinieItem>& points, double z);

// The point on segment i at tap rate z, interpolated in proportion.
tKennlinieItem Interpolate(const std::vector<tKennlinieItem>& points, size_t segment, double z);

} // namespace WoSt
