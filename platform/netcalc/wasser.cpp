#include "netcalc/wasser.h"

#include <algorithm>
#include <cmath>

namespace netcalc {
namespace {

// Dimensionless Gibbs free energy of region 1: gamma = sum n (7.1 - pi)^I (tau - 1.222)^J.
struct Term {
    int I;
    int J;
    double n;
};

constexpr Term kTerms[34] = {
    {0, -2, 0.14632971213167},        {0, -1, -0.84548187169114},       {0, 0, -0.37563603672040e1},
    {0, 1, 0.33855169168385e1},       {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},     {0, 5, 0.81214629983568e-3},      {1, -9, 0.28319080123804e-3},
    {1, -7, -0.60706301565874e-3},    {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},     {1, 3, -0.52838357969930e-4},     {2, -3, -0.47184321073267e-3},
    {2, 0, -0.30001780793026e-3},     {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},   {3, -4, -0.31679644845054e-4},    {3, 0, -0.28270797985312e-5},
    {3, 6, -0.85205128120103e-9},     {4, -5, -0.22425281908000e-5},    {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},   {5, -8, -0.40516996860117e-6},    {8, -11, -0.12734301741641e-8},
    {8, -6, -0.17424871230634e-9},    {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22},  {30, -39, -0.11947622640071e-22}, {31, -40, 0.18228094581404e-23},
    {32, -41, -0.93537087292458e-25},
};

constexpr double kR = 0.461526;   // specific gas constant, kJ/(kg·K)
constexpr double kPStar = 16.53;  // MPa
constexpr double kTStar = 1386.0; // K

struct Derivatives {
    double gammaPi = 0;
    double gammaTau = 0;
    double gammaTauTau = 0;
};

Derivatives derivatives(double kelvin, double megapascal) {
    const double pi = megapascal / kPStar;
    const double tau = kTStar / kelvin;
    const double a = 7.1 - pi;
    const double b = tau - 1.222;
    Derivatives d;
    for (const Term& t : kTerms) {
        d.gammaPi -= t.n * t.I * std::pow(a, t.I - 1) * std::pow(b, t.J);
        d.gammaTau += t.n * std::pow(a, t.I) * t.J * std::pow(b, t.J - 1);
        d.gammaTauTau += t.n * std::pow(a, t.I) * t.J * (t.J - 1) * std::pow(b, t.J - 2);
    }
    return d;
}

} // namespace

double Region1::specificVolume(double kelvin, double megapascal) {
    const double pi = megapascal / kPStar;
    // v = pi * gamma_pi * R T / p; R in kJ/(kg·K) and p in MPa give 1e-3 m³/kg.
    return pi * derivatives(kelvin, megapascal).gammaPi * kR * kelvin / megapascal * 1e-3;
}

double Region1::isobaricHeatCapacity(double kelvin, double megapascal) {
    const double tau = kTStar / kelvin;
    return -tau * tau * derivatives(kelvin, megapascal).gammaTauTau * kR;
}

double Region1::enthalpy(double kelvin, double megapascal) {
    const double tau = kTStar / kelvin;
    return tau * derivatives(kelvin, megapascal).gammaTau * kR * kelvin;
}

double saturationTemperature(double megapascal) {
    constexpr double n[11] = {0,
                              0.11670521452767e4,
                              -0.72421316703206e6,
                              -0.17073846940092e2,
                              0.12020824702470e5,
                              -0.32325550322333e7,
                              0.14915108613530e2,
                              -0.48232657361591e4,
                              0.40511340542057e6,
                              -0.23855557567849,
                              0.65017534844798e3};
    const double beta = std::pow(megapascal, 0.25);
    const double e = beta * beta + n[3] * beta + n[6];
    const double f = n[1] * beta * beta + n[4] * beta + n[7];
    const double g = n[2] * beta * beta + n[5] * beta + n[8];
    const double d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
    return (n[10] + d - std::sqrt((n[10] + d) * (n[10] + d) - 4 * (n[9] + n[10] * d))) / 2;
}

} // namespace netcalc

namespace {

// Region 1 ends at 623.15 K; above 16.53 MPa the saturation line no longer bounds it.
double upperLimitCelsius(double megapascal) {
    const double boiling = megapascal < 16.529 ? netcalc::saturationTemperature(megapascal) : 623.15;
    return std::min(boiling, 623.15) - 273.15 - 0.01;
}

} // namespace

CWasser::CWasser(double pressureMPa)
    : m_pressure(std::isfinite(pressureMPa) ? std::clamp(pressureMPa, 0.001, 100.0) : kDefaultPressureMPa),
      m_maxT(upperLimitCelsius(m_pressure)) {}

double CWasser::kelvin(double t) const {
    if (std::isnan(t))
        t = 0.0;
    return std::clamp(t, MinTemperature(), MaxTemperature()) + 273.15;
}

double CWasser::Dichte(double t) const {
    return 1.0 / netcalc::Region1::specificVolume(kelvin(t), m_pressure);
}

double CWasser::SpezWaermeKapazitaet(double t) const {
    return netcalc::Region1::isobaricHeatCapacity(kelvin(t), m_pressure) * 1000.0;
}
