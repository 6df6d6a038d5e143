#include "hydraulics/circuit_model.h"

#include "corekit/node.h"

#include <algorithm>

namespace Hydraulics {

const std::array<tCircuitTypeEntry, kCircuitTypeCount>& CircuitTypeList() {
    static const std::array<tCircuitTypeEntry, kCircuitTypeCount> list{{
        {Beimischung, "Beimischschaltung"},
        {BeimischungKonstant, "Beimischschaltung mit Konstantbeimischung"},
        {Verteilung, "Verteilschaltung"},
        {Drosselung, "Drosselschaltung"},
        {EinspritzungDreiwege, "Einspritzschaltung mit Dreiwege-Armatur"},
        {EinspritzungZweiwege, "Einspritzschaltung mit Zweiwege-Armatur"},
        {Weiche, "Hydraulische Weiche"},
    }};
    return list;
}

QString CircuitTypeName(int type) {
    for (const auto& entry : CircuitTypeList())
        if (entry.type == type)
            return QString::fromUtf8(entry.name);
    return {};
}

} // namespace Hydraulics

void CHydraulicsModel::SetValvePosition(int position) {
    m_valvePosition = std::clamp(position, Hydraulics::kValveHidden, Hydraulics::kValveMax);
}

void CHydraulicsModel::SetCircuitType(int type) {
    if (type == m_circuitType)
        return;
    m_circuitType = type;
    m_valvePosition = Hydraulics::kValveHidden;
}

bool CHydraulicsModel::StepValveUp() {
    if (m_valvePosition == Hydraulics::kValveHidden)
        m_valvePosition = 0;
    else if (m_valvePosition < Hydraulics::kValveMax)
        ++m_valvePosition;
    else
        return false;
    return true;
}

bool CHydraulicsModel::StepValveDown() {
    if (m_valvePosition == Hydraulics::kValveHidden)
        m_valvePosition = 0;
    else if (m_valvePosition >= 1)
        --m_valvePosition;
    else
        return false;
    return true;
}

CNode* CHydraulicsModel::CreateHydDataNode() const {
    auto* node = new CNode(QStringLiteral("HydData"));
    node->AddLeaf(QStringLiteral("eHydMode"), m_circuitType);
    node->AddLeaf(QStringLiteral("eVentilType"), m_valveType);
    node->AddLeaf(QStringLiteral("bStellmotor"), m_actuator);
    node->AddLeaf(QStringLiteral("bVorlauf"), m_valveInSupply);
    node->AddLeaf(QStringLiteral("bRueckflVerh"), m_checkValve);
    node->AddLeaf(QStringLiteral("bKonstBeimDross"), m_throttle);
    return node;
}
