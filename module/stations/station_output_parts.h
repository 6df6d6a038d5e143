#pragma once

// The optional parts of the draw node that come from the catalogue's further tables: pumps
// with their curves, balancing valve, differential-pressure regulator, parts list and
// connections. Each is left out silently when its table does not open or its reference is 0.

#include "daten_row.h"
#include "station_check.h"

class CNode;

namespace WoSt {

void AddPumps(CNode& draw, MaterialDatabase& db, const tWizardState& wizard, const DatenRowReader& daten);
void AddBalancingValve(CNode& wost, MaterialDatabase& db, const tCatalog& catalog,
                       const DatenRowReader& daten);
void AddDpRegulator(CNode& wost, MaterialDatabase& db, const tCatalog& catalog, const DatenRowReader& daten);
void AddPartsList(CNode& wost, MaterialDatabase& db, const tWizardState& wizard);
void AddConnections(CNode& wost, MaterialDatabase& db, const tCatalog& catalog, const tProduct& product);

} // namespace WoSt
