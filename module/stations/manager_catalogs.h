#pragma once

#include "station_catalog.h"

namespace WoSt {

// The station catalogues as the suite's catalogue manager knows them: those of the kind
// "RS_HZ", in the manager's order, each with its material database attached on request
// (ensureMMDLoaded).
class ManagerCatalogs : public CatalogSource {
public:
    std::vector<CatalogEntry> Catalogs() override;
    QString EnsureMMDLoaded(const CatalogEntry& entry) override;
};

} // namespace WoSt
