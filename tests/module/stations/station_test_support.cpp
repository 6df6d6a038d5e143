#include "station_test_support.h"

#include <QDir>
#include <QImage>

namespace orvane::test {

std::vector<MessageLog::Entry> MessageLog::entries() const {
    std::vector<Entry> result;
    for (const auto& shown : m_ui.Shown()) {
        if (shown.kind != CRecordingUiServices::Kind::MessageBox)
            continue;
        const WoSt::MessageIcon icon = shown.icon == UiIcon::Stop          ? WoSt::MessageIcon::Stop
                                       : shown.icon == UiIcon::Exclamation ? WoSt::MessageIcon::Exclamation
                                                                           : WoSt::MessageIcon::Information;
        result.push_back({shown.text, icon});
    }
    return result;
}

QStringList MessageLog::texts() const {
    QStringList result;
    for (const auto& e : entries())
        result << e.text;
    return result;
}

StationDb::StationDb(MemoryDb& memory, const QString& dbKey, int dataVersion)
    : db(memory), key(dbKey), version(dataVersion) {
    db.addDatabase(key);
    stations = db.table("Heizung/Wohnungsstationen");
    logik = db.table("Heizung/Wohnungsstationen/Logik");
    datenTable = table("Daten");
    exchangers = table("Waermeuebertrager");
    if (version > 0) {
        const WoSt::RowId row = db.addRow(logik, "Versionsnummer");
        db.set(logik, row, 0, {QString::number(version)});
    }
}

WoSt::TableHandle StationDb::table(const QString& pathUnderStations) {
    return db.table(QStringLiteral("Heizung/Wohnungsstationen/") + pathUnderStations);
}

WoSt::TableHandle StationDb::selection(const QString& path) {
    return table(QStringLiteral("Logik/") + path);
}

WoSt::RowId StationDb::entry(WoSt::TableHandle selTable, const QString& rowKey, const QString& name,
                             WoSt::RowId datenRow) {
    const WoSt::RowId row = db.addRow(selTable, rowKey);
    selectionCell(selTable, row, 0, {name});
    if (version >= 2)
        db.set(selTable, row, 0, {Ref{datenRow}});
    return row;
}

void StationDb::selectionCell(WoSt::TableHandle selTable, WoSt::RowId row, int column,
                              std::vector<Cell> values) {
    db.set(selTable, row, column + (version >= 2 ? 1 : 0), std::move(values));
}

WoSt::RowId StationDb::product(const QString& rowKey, WoSt::RowId exchanger) {
    const WoSt::RowId row = db.addRow(datenTable, rowKey);
    db.set(datenTable, row, 0, {Ref{exchanger}});
    return row;
}

void StationDb::daten(WoSt::RowId row, int column, std::vector<Cell> values) {
    db.set(datenTable, row, column, std::move(values));
}

WoSt::RowId StationDb::exchanger(const QString& rowKey, const std::vector<TestCurve>& curves) {
    const WoSt::RowId id = db.addRow(exchangers, rowKey);
    const QString fittedPath = QStringLiteral("Waermeuebertrager/Ansatz_Kennlinien.") + rowKey;
    const WoSt::TableHandle fitted = table(fittedPath);
    const WoSt::TableHandle characteristic = table(fittedPath + QStringLiteral("/Kennlinien"));
    for (const TestCurve& curve : curves) {
        const WoSt::RowId row = db.addRow(fitted);
        db.set(fitted, row, 0, {curve.tVL});
        db.set(fitted, row, 1, {curve.tK});
        db.set(fitted, row, 2, {curve.tW});
        db.addRowFor(characteristic, row);
        std::vector<Cell> flow, vPrim, tRL;
        for (const auto& p : curve.points) {
            flow.push_back(p.flow);
            vPrim.push_back(p.vPrim);
            tRL.push_back(p.tRLPrim);
        }
        db.set(characteristic, row, 0, flow);
        db.set(characteristic, row, 1, vPrim);
        db.set(characteristic, row, 2, tRL);
    }
    return id;
}

WoSt::RowId StationDb::distributorSet(const QString& setKey,
                                      const std::vector<std::tuple<QString, double, int>>& rows) {
    const WoSt::RowId id = db.idOf(setKey);
    const WoSt::TableHandle set = table(QStringLiteral("VerteilerSets/") + setKey);
    for (const auto& [article, quantity, circuits] : rows) {
        const WoSt::RowId row = db.addRow(set, article);
        db.set(set, row, 0, {quantity});
        db.set(set, row, 3, {circuits});
    }
    return id;
}

std::vector<WoSt::CatalogEntry> FixedCatalogs::Catalogs() {
    std::vector<WoSt::CatalogEntry> entries;
    for (const Item& item : m_items)
        entries.push_back({&item, item.displayName, item.rootPath, item.mmdKey.toUpper()});
    return entries;
}

QString FixedCatalogs::EnsureMMDLoaded(const WoSt::CatalogEntry& entry) {
    return static_cast<const Item*>(entry.info)->mmdKey;
}

WoSt::tCatalog StationDb::catalog() const {
    WoSt::tCatalog catalog;
    catalog.db = &db;
    catalog.mmdKey = key;
    catalog.stations = stations;
    return catalog;
}

void WriteWizardCatalogue(MemoryDb& memory, const TestFolder& folder) {
    using namespace WoSt;
    StationDb a(memory, "A", 2);
    const RowId wt = a.exchanger("WT", {{65, 10, 50, {{6, 300, 22}, {18, 1200, 30}}}});
    const RowId plain = a.product("D_1", wt);
    const RowId metered = a.product("D_2", wt);
    a.daten(metered, DatenColumn::HeatMeter, {1});
    a.entry(a.selection("Auswahl1_1"), "WOST_GRP", "Wohnungsstationen");
    const auto products = a.selection("Auswahl1_1/Auswahl2_1");
    a.entry(products, "P_1", "Station 1", plain);
    const RowId p2 = a.entry(products, "P_2", "Station 2", metered);
    a.selectionCell(products, p2, 8, {"https://example.invalid/p2"});
    a.selectionCell(products, p2, 3, {"p2"});
    // A blue station on a magenta (transparent) ground.
    QImage picture(100, 80, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    for (int y = 20; y < 60; ++y)
        for (int x = 30; x < 70; ++x)
            picture.setPixel(x, y, qRgb(40, 80, 200));
    QDir().mkpath(folder.filePath("Bmp"));
    picture.save(folder.filePath("Bmp/p2.bmp"));
}

} // namespace orvane::test
