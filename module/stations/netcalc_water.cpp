#include "water_properties.h"

#include "netcalc/wasser.h"

namespace WoSt {
namespace {

// One water calculator for the whole module, at the system pressure of a closed heating circuit.
class NetCalcWater : public WaterProperties {
public:
    double Dichte(double t) const override { return m_water.Dichte(t); }
    double SpezWaermeKapazitaet(double t) const override { return m_water.SpezWaermeKapazitaet(t); }

private:
    CWasser m_water;
};

} // namespace

const WaterProperties& LibraryWaterProperties() {
    static const NetCalcWater water;
    return water;
}

} // namespace WoSt
