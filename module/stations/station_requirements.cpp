#include "station_requirements.h"

#include "water_properties.h"

namespace WoSt {

double ZapfrateOf(const tReqTw& req) {
    if (req.fr >= 0.0)
        return req.fr;
    if (req.hr < 0.0)
        return 0.0;
    const WaterProperties& water = Water();
    const double heatPerVolume =
        water.Dichte(req.tW) * water.SpezWaermeKapazitaet(req.tW) * (req.tW - req.tK);
    // Equal temperatures carry no heat: no tap rate can deliver the output, and dividing
    // would give infinity.
    if (heatPerVolume == 0.0)
        return 0.0;
    return req.hr * 60000.0 / heatPerVolume;
}

double WaermeleistungOf(const tReqTw& req) {
    if (req.hr >= 0.0)
        return req.hr;
    if (req.fr < 0.0)
        return 0.0;
    const WaterProperties& water = Water();
    return water.SpezWaermeKapazitaet(req.tW) * water.Dichte(req.tW) * (req.fr / 60000.0) * (req.tW - req.tK);
}

} // namespace WoSt
