#include "manager_catalogs.h"

#include "corekitex/catalog_manager.h"
#include "corekitex/mmd_loader.h"

namespace WoSt {

std::vector<CatalogEntry> ManagerCatalogs::Catalogs() {
    QList<orvCatalogInfo*> list;
    m_manager.getFilteredCatalogList(list, nullptr, nullptr, nullptr,
                                     QString::fromLatin1(kStationCatalogKind), nullptr);
    std::vector<CatalogEntry> entries;
    for (const orvCatalogInfo* info : list)
        entries.push_back({info, info->getStrDisplayName(), info->getStrRootPath(), info->getStrID()});
    return entries;
}

QString ManagerCatalogs::EnsureMMDLoaded(const CatalogEntry& entry) {
    return ensureMMDLoaded(static_cast<const orvCatalogInfo*>(entry.info),
                           QString::fromLatin1(kStationCatalogKind));
}

} // namespace WoSt
