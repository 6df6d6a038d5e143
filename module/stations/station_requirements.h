#pragma once

// The planner's requirements on a station: the drinking-water side (also used as the design
// point the check computes) and the floor-heating side, with the two conversions between tap
// rate and heat output.

namespace WoSt {

// Drinking-water requirement, node "PWFLUX". At most one of hr and fr is given; the other
// is negative.
struct tReqTw {
    double tK = 10.0;      // cold-water temperature, °C
    double tW = 50.0;      // hot-water temperature, °C
    double hr = -1.0;      // heat output for hot water, W; negative = not given
    double fr = 12.0;      // tap rate, l/min; negative = not given
    double tVL = 65.0;     // heating supply temperature at the station, °C
    double tRLPrim = 30.0; // primary return temperature, °C (design point only)
    double vPrim = 0.0;    // primary volume flow, l/h (design point only)
};

// Floor-heating requirement, node "SecondPump".
struct tReqHz {
    int tVLMin = 0; // settable secondary supply range of the device, °C
    int tVLMax = 0;
    double tVL = 0.0;    // secondary supply temperature, °C
    double tRL = 0.0;    // secondary return temperature, °C
    double q = 0.0;      // heat output of the floor-heating circuits, W
    double dp = 0.0;     // their pressure loss, Pa
    double vol = 0.0;    // their water content, l
    int nFbh = 0;        // number of floor-heating circuits
    int fbhPossible = 0; // 1 when the device has a secondary supply range
};

// Tap rate in l/min: fr when given, else converted from hr, else 0.
double ZapfrateOf(const tReqTw& req);

// Heat output in W: hr when given, else converted from fr, else 0.
double WaermeleistungOf(const tReqTw& req);

} // namespace WoSt
