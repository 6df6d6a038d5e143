#pragma once

#include "station_catalog.h"

class orvCatalogManager;

namespace WoSt {

// The station catalogues as a catalogue manager knows them: those of the kind "RS_HZ", in the
// manager's order, each with its material database attached on request (ensureMMDLoaded,
// which looks for it in the database folders the manager gave the catalogue).
class ManagerCatalogs : public CatalogSource {
public:
    explicit ManagerCatalogs(orvCatalogManager& manager) : m_manager(manager) {}

    std::vector<CatalogEntry> Catalogs() override;
    QString EnsureMMDLoaded(const CatalogEntry& entry) override;
    MaterialDatabase& Database() override { return LibraryMaterialDb(); }

private:
    orvCatalogManager& m_manager;
};

} // namespace WoSt
