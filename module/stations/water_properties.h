#pragma once

// Density and specific heat of liquid water, the only physical data the station checks need.
// One process-wide source serves every call; tests may put their own in place.

namespace WoSt {

class WaterProperties {
public:
    virtual ~WaterProperties() = default;
    virtual double Dichte(double t) const = 0;               // kg/m³ at t °C
    virtual double SpezWaermeKapazitaet(double t) const = 0; // J/(kg·K) at t °C
};

// The source in use: the water calculator of NetCalc unless a replacement is installed.
const WaterProperties& Water();

// Puts `source` in place for as long as the object lives (tests).
class ScopedWaterProperties {
public:
    explicit ScopedWaterProperties(const WaterProperties& source);
    ~ScopedWaterProperties();
    ScopedWaterProperties(const ScopedWaterProperties&) = delete;
    ScopedWaterProperties& operator=(const ScopedWaterProperties&) = delete;

private:
    const WaterProperties* m_previous;
};

} // namespace WoSt
