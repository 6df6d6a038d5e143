#include "station_catalog.h"

#include "station_text.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace WoSt {
namespace {

// The wizard shows six selection boxes: the product group and five further levels.
constexpr int kDeepestLevel = 6;

// Opens `name` inside `parent`; a parent that never opened must not fall back to the top level.
bool openInside(MaterialDatabase& db, TableHandle& table, TableHandle parent, const QString& name) {
    return parent != 0 && db.OpenTable(table, parent, name);
}

// The whole number a text starts with, as catalogue makers write versions ("3", "4.0", " 2 ").
std::optional<int> leadingWholeNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?\\d{1,9})"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

QString selectionTableName(int level, int number) {
    return QStringLiteral("Auswahl%1_%2").arg(level).arg(number);
}

// A file name from the catalogue, placed in `dir` with `ext` added when it has none.
QString completeFilePath(QString file, const QString& dir, const QString& ext) {
    if (file.isEmpty())
        return file;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(file).isRelative())
        file = QDir(dir).filePath(file);
    if (QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + ext;
    return file;
}

// Reads a text column from the node's row, or the nearest ancestor's that has a non-empty one.
QString inheritedText(MaterialDatabase& db, const tSelLevel& node, int column) {
    for (const tSelLevel* n = &node; n; n = n->parent) {
        QString text;
        if (db.ReadText(text, n->table, n->row, 0, column) && !text.isEmpty())
            return text;
    }
    return {};
}

// The same for an identifier column; `keepZero` stops at the first row that reads at all.
RowId inheritedRef(MaterialDatabase& db, const tSelLevel& node, int column, bool keepZero) {
    for (const tSelLevel* n = &node; n; n = n->parent) {
        RowId id = 0;
        if (db.ReadRef(id, n->table, n->row, 0, column) && (id != 0 || keepZero))
            return id;
    }
    return 0;
}

int stationTypeOf(MaterialDatabase& db, const tCatalog& catalog, const tSelLevel& node,
                  const QString& block2D) {
    int type = -1;
    if (catalog.version < 2) {
        if (block2D.indexOf(QStringLiteral("_WOHNSTATION_")) > 0)
            type = 0;
        else if (block2D.indexOf(QStringLiteral("_FWS_")) > 0)
            type = 1;
        return type;
    }
    for (const tSelLevel* n = &node; n; n = n->parent) {
        if (n->level != 1)
            continue;
        const QString key = db.KeyOfId(n->row);
        if (key.startsWith(QStringLiteral("WOST_")) || key.startsWith(QStringLiteral("WOSTFBH_")) ||
            key.startsWith(QStringLiteral("WOSTHT_")))
            type = 0;
        else if (key.startsWith(QStringLiteral("FRWS_")))
            type = 1;
    }
    return type;
}

bool searchPath(const tSelLevel& node, RowId id, std::vector<int>& path) {
    if (node.level > kDeepestLevel)
        return false;
    if (node.row == id || node.articleSetRef == id)
        return true;
    for (size_t i = 0; i < node.children.size(); ++i) {
        path.push_back(static_cast<int>(i));
        if (searchPath(*node.children[i], id, path))
            return true;
        path.pop_back();
    }
    return false;
}

// Opens the distributor-set table of the product, named by the key of its identifier.
bool openDistributorSet(MaterialDatabase& db, const tCatalog& catalog, const tProduct& product,
                        TableHandle& table) {
    if (product.distributorSetId == 0)
        return false;
    const QString key = db.KeyOfId(product.distributorSetId);
    return !key.isEmpty() && openInside(db, table, catalog.distributorSets, key);
}

} // namespace

void tProduct::Reset() {
    stationType = -1;
    name.clear();
    description.clear();
    infoTarget.clear();
    bitmap.clear();
    dataSheet.clear();
    block2D.clear();
    block3D.clear();
    levelRow = dataRow = 0;
    accessoryTableId = heatExchangerId = distributorSetId = 0;
    hasHeatMeter = hasWaterMeter = explode = supported = 0;
    if (accessories)
        accessories->Clear();
}

// Several catalogues may be open at once, and identifiers and keys belong to one database:
// every operation on a catalogue makes its database current first.
MaterialDatabase& CatalogDb(const tCatalog& catalog) {
    MaterialDatabase& db = *catalog.db;
    if (!catalog.mmdKey.isEmpty())
        db.SelectDatabase(catalog.mmdKey);
    return db;
}

int TextColumn(const tCatalog& catalog) {
    return catalog.version >= 2 ? 1 : 0;
}

int ListCatalogs(tCatalogList& catalogs, const QString& catFilter, CatalogSource& source) {
    MaterialDatabase& db = source.Database();
    for (const CatalogEntry& entry : source.Catalogs()) {
        const QString key = source.EnsureMMDLoaded(entry);
        if (!catFilter.isEmpty() && catFilter.compare(key, Qt::CaseInsensitive) != 0)
            continue;
        TableHandle heating = 0;
        TableHandle stations = 0;
        if (key.isEmpty() || !db.SelectDatabase(key) ||
            !db.OpenTable(heating, 0, QStringLiteral("Heizung")) ||
            !openInside(db, stations, heating, QStringLiteral("Wohnungsstationen")))
            continue;
        auto catalog = std::make_unique<tCatalog>();
        catalog->db = &db;
        catalog->info = entry;
        catalog->mmdKey = key;
        catalog->stations = stations;
        catalogs.push_back(std::move(catalog));
        if (!catFilter.isEmpty())
            break;
    }
    return static_cast<int>(catalogs.size());
}

bool LoadCatalog(tCatalog& catalog) {
    tSelLevel& root = *catalog.root;
    if (root.table != 0)
        return true;
    MaterialDatabase& db = CatalogDb(catalog);
    TableHandle logic = 0;
    if (!openInside(db, logic, catalog.stations, QStringLiteral("Logik")))
        return false;
    if (const RowId urlRow = db.IdOfKey(QStringLiteral("HerstellerURL"))) {
        db.ReadText(catalog.url, logic, urlRow, 0, 0);
        QString logo;
        if (db.ReadText(logo, logic, urlRow, 1, 0))
            catalog.logo =
                completeFilePath(logo, QDir(catalog.info.rootPath).filePath(QStringLiteral("Bmp")), "bmp");
    }
    if (const RowId versionRow = db.IdOfKey(QStringLiteral("Versionsnummer"))) {
        QString version;
        if (db.ReadText(version, logic, versionRow, 0, 0))
            catalog.version = leadingWholeNumber(version).value_or(catalog.version);
    }
    if (catalog.version >= 4) {
        ShowMessage(sformat(T("Der Datensatz %s kann in dieser Programmversion nicht verwendet werden."),
                            catalog.info.displayName),
                    MessageIcon::Exclamation);
        return false;
    }
    if (!openInside(db, catalog.data, catalog.stations, QStringLiteral("Daten")) ||
        !openInside(db, catalog.heatExchangers, catalog.stations, QStringLiteral("Waermeuebertrager")))
        return false;
    openInside(db, catalog.connections, catalog.stations, QStringLiteral("Anschluesse"));
    openInside(db, catalog.pumps, catalog.stations, QStringLiteral("Pumpen"));
    openInside(db, catalog.balancingValves, catalog.stations, QStringLiteral("Strangregulierventile"));
    openInside(db, catalog.dpRegulators, catalog.stations, QStringLiteral("Differenzdruckregler"));
    openInside(db, catalog.techInfo, catalog.stations, QStringLiteral("TechInfo"));
    openInside(db, catalog.distributorSets, catalog.stations, QStringLiteral("VerteilerSets"));
    db.OpenTable(catalog.texts, 0, QStringLiteral("Heizung.Texte"));

    // The root counts as loaded once it has a table, so it gets one only with a usable tree.
    root.table = logic;
    root.level = 0;
    if (BuildSelectionLevels(catalog, root))
        return true;
    root.table = 0;
    return false;
}

bool BuildSelectionLevels(tCatalog& catalog, tSelLevel& parent) {
    MaterialDatabase& db = *catalog.db;
    const int c = TextColumn(catalog);
    const int level = parent.level + 1;
    if (level > kDeepestLevel)
        return !parent.children.empty();
    for (int k = 1;; ++k) {
        TableHandle table = 0;
        if (!openInside(db, table, parent.table, selectionTableName(level, k)))
            return !parent.children.empty();
        const std::vector<RowId> rows = RowsOf(db, table);
        if (rows.empty())
            continue; // a selection table without rows offers nothing
        std::vector<std::unique_ptr<tSelLevel>> entries;
        for (RowId row : rows) {
            auto entry = std::make_unique<tSelLevel>();
            entry->parent = &parent;
            entry->table = table;
            entry->level = level;
            entry->row = row;
            db.ReadText(entry->name, table, row, 0, c);
            if (entries.empty()) {
                // A first row with tables of its own makes the table a group of one entry.
                if (BuildSelectionLevels(catalog, *entry)) {
                    parent.children.push_back(std::move(entry));
                    break;
                }
            }
            if (catalog.version >= 2)
                db.ReadRef(entry->articleSetRef, table, row, 0, 0);
            entries.push_back(std::move(entry));
        }
        for (auto& entry : entries)
            parent.children.push_back(std::move(entry));
    }
}

bool LoadProduct(tProduct& product, tCatalog& catalog, const tSelLevel& node, bool revitHost) {
    if (node.table == 0 || node.row == 0)
        return false;
    MaterialDatabase& db = CatalogDb(catalog);
    const int c = TextColumn(catalog);
    product.levelRow = node.row;
    if (catalog.version < 2)
        product.dataRow = node.row;
    else
        db.ReadRef(product.dataRow, node.table, node.row, 0, 0);

    db.ReadText(product.name, node.table, node.row, 0, c);
    if (catalog.texts != 0)
        db.ReadText(product.name, catalog.texts, product.dataRow, 0, 0);

    const RowId descriptionRef = inheritedRef(db, node, c + 4, true);
    product.bitmap = inheritedText(db, node, c + 3);
    product.block2D = inheritedText(db, node, c + 5);
    product.block3D = inheritedText(db, node, c + 6);
    product.dataSheet = inheritedText(db, node, c + 7);
    product.infoTarget = inheritedText(db, node, c + 8);
    product.accessoryTableId = inheritedRef(db, node, c + 9, false);
    product.distributorSetId = inheritedRef(db, node, c + 10, false);
    if (catalog.techInfo != 0)
        db.ReadText(product.description, catalog.techInfo, descriptionRef, 0, 0);

    db.ReadInt(product.hasHeatMeter, catalog.data, product.dataRow, 0, DatenColumn::HeatMeter);
    db.ReadInt(product.hasWaterMeter, catalog.data, product.dataRow, 0, DatenColumn::WaterMeter);
    if (!revitHost && (product.block2D.startsWith(QStringLiteral("X_")) ||
                       product.block3D.startsWith(QStringLiteral("X_"))))
        product.explode = 1;

    const QDir root(catalog.info.rootPath);
    const QString blockExt = revitHost ? QStringLiteral("rfa") : QStringLiteral("dwg");
    product.bitmap =
        completeFilePath(product.bitmap, root.filePath(QStringLiteral("Bmp")), QStringLiteral("bmp"));
    product.block2D = completeFilePath(product.block2D, root.filePath(QStringLiteral("2D")), blockExt);
    product.block3D = completeFilePath(product.block3D, root.filePath(QStringLiteral("3D")), blockExt);
    product.dataSheet =
        completeFilePath(product.dataSheet, root.filePath(QStringLiteral("Pdf")), QStringLiteral("Pdf"));

    if (!db.ReadRef(product.heatExchangerId, catalog.data, product.dataRow, 0, DatenColumn::HeatExchanger)) {
        ShowMessage(QStringLiteral("Verweis auf die Tabelle Waermeuebertrager fehlt."), MessageIcon::Stop);
        return false;
    }
    product.stationType = stationTypeOf(db, catalog, node, product.block2D);
    product.supported = product.stationType != -1 ? 1 : 0;
    return product.supported != 0;
}

bool FindProductPath(tCatalog& catalog, const QString& key, std::vector<int>& path) {
    path.clear();
    // A key the database does not know names no product, although the root's row is 0 too.
    const RowId id = CatalogDb(catalog).IdOfKey(key);
    return id != 0 && searchPath(*catalog.root, id, path);
}

int MaxFbhCircuits(tCatalog& catalog, const tProduct& product) {
    MaterialDatabase& db = CatalogDb(catalog);
    TableHandle table = 0;
    if (!openDistributorSet(db, catalog, product, table))
        return 0;
    int most = 0;
    for (RowId row : RowsOf(db, table))
        for (int j = 0, circuits = 0; db.ReadInt(circuits, table, row, j, 3); ++j)
            most = std::max(most, circuits);
    return most;
}

int AddDistributorArticles(tCatalog& catalog, const tProduct& product, int circuits, MaterialList& list) {
    MaterialDatabase& db = CatalogDb(catalog);
    TableHandle table = 0;
    if (openDistributorSet(db, catalog, product, table)) {
        for (RowId row : RowsOf(db, table)) {
            for (int j = 0, forCircuits = 0; db.ReadInt(forCircuits, table, row, j, 3); ++j) {
                if (forCircuits > 0 && forCircuits != circuits)
                    continue;
                double quantity = 1.0;
                db.ReadFloat(quantity, table, row, j, 0);
                list.Add(quantity, row, 0);
            }
        }
    }
    return list.Count();
}

} // namespace WoSt
