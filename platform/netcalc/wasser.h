#pragma once

namespace netcalc {

// Properties of liquid water from the industrial formulation IAPWS-IF97, region 1, at a
// fixed system pressure. Region 1 is compressed liquid; temperatures outside it (below 0 °C,
// or at and above the boiling point of the system pressure) are clamped to its edge, so the
// callers always get the values of liquid water.
class Region1 {
public:
    // Specific volume in m³/kg at temperature T (K) and pressure p (MPa).
    static double specificVolume(double kelvin, double megapascal);
    // Specific isobaric heat capacity in kJ/(kg·K).
    static double isobaricHeatCapacity(double kelvin, double megapascal);
    // Specific enthalpy in kJ/kg.
    static double enthalpy(double kelvin, double megapascal);
};

// Saturation temperature in K at a pressure in MPa (IAPWS-IF97 region 4), valid from the
// triple point up to the critical point (611.213 Pa to 22.064 MPa).
double saturationTemperature(double megapascal);

} // namespace netcalc

// Density and specific heat of water by temperature, for the hydraulic calculations.
class CWasser {
public:
    // 0.3 MPa (3 bar absolute) is a typical filling pressure of a closed heating circuit.
    static constexpr double kDefaultPressureMPa = 0.3;

    explicit CWasser(double pressureMPa = kDefaultPressureMPa);

    double Pressure() const { return m_pressure; } // MPa

    // Density in kg/m³ at t °C.
    double Dichte(double t) const;
    // Specific isobaric heat capacity in J/(kg·K) at t °C.
    double SpezWaermeKapazitaet(double t) const;

    // The temperature range in °C in which the values are computed; outside it they are
    // those of the nearest end (the upper end stays 0.01 K below boiling).
    double MinTemperature() const { return 0.0; }
    double MaxTemperature() const { return m_maxT; }

private:
    double kelvin(double t) const;

    double m_pressure;
    double m_maxT;
};
