#include "water_properties.h"

namespace WoSt {
namespace {

const WaterProperties* g_replacement = nullptr;

} // namespace

const WaterProperties& LibraryWaterProperties(); // NetCalc's water calculator, in netcalc_water.cpp

const WaterProperties& Water() {
    return g_replacement ? *g_replacement : LibraryWaterProperties();
}

ScopedWaterProperties::ScopedWaterProperties(const WaterProperties& source) : m_previous(g_replacement) {
    g_replacement = &source;
}

ScopedWaterProperties::~ScopedWaterProperties() {
    g_replacement = m_previous;
}

} // namespace WoSt
