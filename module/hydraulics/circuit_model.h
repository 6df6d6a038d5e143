#pragma once

#include <QString>

#include <array>

class CNode;

namespace Hydraulics {

// The seven circuit types. The numbers are what the host receives in "eHydMode" and what
// the settings hold, so they never change.
enum CircuitType : int {
    Beimischung = 0,
    BeimischungKonstant = 1,
    Verteilung = 2,
    EinspritzungDreiwege = 3,
    Weiche = 4,
    EinspritzungZweiwege = 5,
    Drosselung = 6,
};

constexpr int kCircuitTypeCount = 7;

// The valve position is a display aid of the schematic: -1 hides flows and labels.
constexpr int kValveHidden = -1;
constexpr int kValveMax = 100;

// One entry of the circuit type list: value and German display name (a translation key).
struct tCircuitTypeEntry {
    int type;
    const char* name;
};

// The list entries in the order the planner sees them (not the order of the values).
const std::array<tCircuitTypeEntry, kCircuitTypeCount>& CircuitTypeList();

// The untranslated display name of a type; empty for any value outside 0 ... 6.
QString CircuitTypeName(int type);

} // namespace Hydraulics

// What the planner chose in the hydraulic circuit dialog, plus the valve position that only
// the schematic shows.
class CHydraulicsModel {
public:
    int m_circuitType = Hydraulics::Beimischung;
    int m_valveType = 0; // 0 Armatur, 1 Ventil, 2 Hahn
    int m_actuator = 1;  // "mit Stellmotor"
    int m_valveInSupply = 1;
    int m_checkValve = 1;
    int m_throttle = 1; // constant admixture with throttle valve

    int ValvePosition() const { return m_valvePosition; }
    // Clamped to -1 ... 100.
    void SetValvePosition(int position);

    // A different type hides the valve position again; the same type keeps it.
    void SetCircuitType(int type);

    // The one step of the up or down arrow of the valve-position control. A hidden position
    // becomes 0; otherwise it moves by one within 0 ... 100. Answers whether it changed.
    bool StepValveUp();
    bool StepValveDown();

    // A new "HydData" node with the six fields as integer leaves, owned by the caller.
    CNode* CreateHydDataNode() const;

private:
    int m_valvePosition = Hydraulics::kValveHidden;
};
