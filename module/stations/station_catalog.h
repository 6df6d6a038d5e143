#pragma once

// Station catalogues: which catalogues are usable, their tables, their selection trees and the
// product record of the chosen entry.

#include "material_db.h"

#include <QString>

#include <memory>
#include <vector>

namespace WoSt {

// A catalogue as the catalogue manager describes it.
struct CatalogEntry {
    const void* info = nullptr; // the manager's own record, not owned
    QString displayName;        // shown in the manufacturer box and in messages
    QString rootPath;           // folder with "Bmp", "2D", "3D", "Pdf"
    QString id;                 // catalogue identifier handed to the host
};

// Where the catalogues come from: the catalogue manager, or a replacement in tests.
class CatalogSource {
public:
    virtual ~CatalogSource() = default;
    virtual std::vector<CatalogEntry> Catalogs() = 0;               // station catalogues, in list order
    virtual QString EnsureMMDLoaded(const CatalogEntry& entry) = 0; // key of its database
    virtual MaterialDatabase& Database() = 0;                       // where the databases are
};

// A node of a catalogue's selection tree.
struct tSelLevel {
    int level = -1;
    tSelLevel* parent = nullptr;
    TableHandle table = 0;
    QString name;
    std::vector<std::unique_ptr<tSelLevel>> children;
    RowId row = 0;
    RowId articleSetRef = 0; // "Daten" row of the entry (data version 2 and higher)
};

struct tCatalog {
    MaterialDatabase* db = nullptr; // the database library of the source it was listed from
    CatalogEntry info;
    QString logo;
    QString mmdKey;
    QString url;
    TableHandle stations = 0;
    TableHandle data = 0;
    TableHandle pumps = 0;
    TableHandle balancingValves = 0;
    TableHandle dpRegulators = 0;
    TableHandle heatExchangers = 0;
    TableHandle distributorSets = 0;
    TableHandle connections = 0;
    TableHandle techInfo = 0;
    TableHandle texts = 0;
    std::unique_ptr<tSelLevel> root = std::make_unique<tSelLevel>();
    int version = 1;
};

struct tProduct {
    int stationType = -1; // 0 apartment station, 1 fresh-water station
    QString name;
    QString description;
    QString infoTarget;
    QString bitmap;
    QString dataSheet;
    QString block2D;
    QString block3D;
    RowId levelRow = 0;
    RowId dataRow = 0;
    RowId accessoryTableId = 0;
    RowId heatExchangerId = 0;
    RowId distributorSetId = 0;
    int hasHeatMeter = 0;
    int hasWaterMeter = 0;
    int explode = 0;
    int supported = 0;
    std::unique_ptr<MaterialList> accessories;

    // Back to "nothing chosen", before every load; the accessory list is emptied.
    void Reset();
};

using tCatalogList = std::vector<std::unique_ptr<tCatalog>>;

// The columns of a product's "Daten" row.
namespace DatenColumn {
enum : int {
    HeatExchanger = 0,
    KvPrim = 3,
    MassFlowMax = 4,
    KvPwc = 7,
    OpeningPwc = 8,
    KvPwh = 9,
    OpeningPwh = 10,
    KvPwhC = 11,
    OpeningPwhC = 12,
    HeatMeter = 13,
    Volume = 14,
    HeatingPump = 15,
    WaterMeter = 16,
    DpSecMin = 18,
    DpSecMax = 19,
    KvSec = 20,
    TvlSecMin = 21,
    TvlSecMax = 22,
    SecondPump = 23,
    OperatingMode = 24,
    HeatingRodPower = 25,
    BalancingValve = 26,
    DpPrimMax = 27,
    DpRegulator = 28
};
}

// Catalogue kind of the station catalogues.
inline const char* const kStationCatalogKind = "RS_HZ";

int ListCatalogs(tCatalogList& catalogs, const QString& catFilter, CatalogSource& source);
bool LoadCatalog(tCatalog& catalog);
bool BuildSelectionLevels(tCatalog& catalog, tSelLevel& parent);
bool LoadProduct(tProduct& product, tCatalog& catalog, const tSelLevel& node, bool revitHost = false);
bool FindProductPath(tCatalog& catalog, const QString& key, std::vector<int>& path);
int MaxFbhCircuits(tCatalog& catalog, const tProduct& product);
int AddDistributorArticles(tCatalog& catalog, const tProduct& product, int circuits, MaterialList& list);

// The database of the catalogue, made current.
MaterialDatabase& CatalogDb(const tCatalog& catalog);

// Column of the display name in a selection row: 1 from data version 2 on, else 0.
int TextColumn(const tCatalog& catalog);

} // namespace WoSt
