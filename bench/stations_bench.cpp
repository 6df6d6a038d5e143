// The station design check and the loading of a station catalogue, each against a reference
// measured in the same run:
//   - what the wizard does after a changed requirement (summary and whole check), in CPU time
//     against one 16.7 ms frame of a 60 Hz display: the budget a check must stay in for typing
//     never to lag;
//   - one CheckStation on a heat exchanger with 100 fitted-curve rows, against opening the
//     tables the check opens for the product;
//   - loading a catalogue (tables and selection tree), against a plain SQLite scan of every
//     cell of the same selection rows. The material database keeps what it has read, so
//     repeated loads after the first are memory look-ups; the "fresh" pair measures a first
//     load instead: the file attached anew (and the SQLite file opened anew) every time.

#include "ratio_reporter.h"

#include "orvmat/catalogue_source.h"
#include "orvmat/database_writer.h"
#include "orvmat/session.h"
#include "stations/station_catalog.h"
#include "stations/station_check.h"

#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <string>

namespace {

const char* const kKey = "BENCH_WOST";

// A version-2 catalogue: 3 groups × 4 series × 8 stations, one heat exchanger with
// 10 supply × 10 hot-water temperatures = 100 fitted curves of 8 points each.
std::string catalogueSource() {
    std::string s = "database BENCH_WOST\n"
                    "table Heizung.Wohnungsstationen.Logik\n"
                    "row Versionsnummer: \"2\"\n";
    std::string daten = "table Heizung.Wohnungsstationen.Daten\n";
    for (int g = 1; g <= 3; ++g) {
        const std::string group = "WOST_G" + std::to_string(g);
        s += "table Heizung.Wohnungsstationen.Logik.Auswahl1_" + std::to_string(g) + "\n";
        s += "row " + group + ": | \"Gruppe " + std::to_string(g) + "\" | 4= \"bild\"\n";
        for (int k = 1; k <= 4; ++k) {
            const std::string series = group + "_S" + std::to_string(k);
            const std::string table = "Heizung.Wohnungsstationen.Logik.Auswahl1_" + std::to_string(g) +
                                      ".Auswahl2_" + std::to_string(k);
            s += "table " + table + "\nrow " + series + ": | \"Serie " + std::to_string(k) + "\"\n";
            s += "table " + table + ".Auswahl3_1\n";
            for (int p = 1; p <= 8; ++p) {
                const std::string product = series + "_P" + std::to_string(p);
                s += "row " + product + ": @D_" + product + " | \"Station " + std::to_string(p) +
                     "\" | 6= \"BLOCK_" + product + "\"\n";
                daten += "row D_" + product +
                         ": @WT_BENCH | 3= 2.5 | 800.0 | 7= 2.8 | 50 | 2.2 | 50 | 13= 1 | " +
                         "16= 1 | 18= 80.0 | 250.0 | 24= 1\n";
            }
        }
    }
    s += daten;
    s += "table Heizung.Wohnungsstationen.Waermeuebertrager\nrow WT_BENCH: \"Bench\"\n";
    std::string fitted = "table Heizung.Wohnungsstationen.Waermeuebertrager.\"Ansatz_Kennlinien.WT_BENCH\"\n";
    std::string points =
        "table Heizung.Wohnungsstationen.Waermeuebertrager.\"Ansatz_Kennlinien.WT_BENCH\".Kennlinien\n";
    for (int v = 0; v < 10; ++v) {
        for (int w = 0; w < 10; ++w) {
            const int tVL = 50 + 5 * v;
            const int tW = 40 + 2 * w;
            const std::string row = "C_" + std::to_string(tVL) + "_" + std::to_string(tW);
            fitted +=
                "row " + row + ": " + std::to_string(tVL) + ".0 | 10.0 | " + std::to_string(tW) + ".0\n";
            std::string flow, prim, ret;
            for (int i = 0; i < 8; ++i) {
                const char* sep = i ? ", " : "";
                flow += sep + std::to_string(3 + 3 * i) + ".0";
                prim += sep + std::to_string(200 + 110 * i) + ".0";
                ret += sep + std::to_string(20 + i) + ".0";
            }
            points += "row " + row + ": " + flow + " | " + prim + " | " + ret + "\n";
        }
    }
    return s + fitted + points;
}

class CatalogueSource : public WoSt::CatalogSource {
public:
    std::vector<WoSt::CatalogEntry> Catalogs() override { return {{nullptr, "Bench", QString(), kKey}}; }
    QString EnsureMMDLoaded(const WoSt::CatalogEntry&) override { return QString::fromLatin1(kKey); }
    WoSt::MaterialDatabase& Database() override { return WoSt::LibraryMaterialDb(); }
};

// The catalogue, built once for the whole run.
struct Fixture {
    Fixture() {
        path = dir.filePath(QStringLiteral("bench.omdb")).toStdString();
        orvmat::CatalogueSource parsed;
        orvmat::SourceError error;
        if (!orvmat::readCatalogueSourceText(catalogueSource(), "bench.orvsrc", parsed, error) ||
            !orvmat::writeDatabase(parsed, path, error)) {
            std::fprintf(stderr, "cannot build the catalogue: %s\n", error.toString().c_str());
            std::abort();
        }
        if (!orvmat::Session::GetInstance().attach(kKey, path)) {
            std::fprintf(stderr, "cannot attach the catalogue: %s\n",
                         orvmat::Session::GetInstance().lastError().c_str());
            std::abort();
        }
        CatalogueSource source;
        if (WoSt::ListCatalogs(catalogs, QString(), source) != 1 || !WoSt::LoadCatalog(*catalogs[0])) {
            std::fprintf(stderr, "the catalogue does not load\n");
            std::abort();
        }
    }
    QTemporaryDir dir;
    std::string path;
    WoSt::tCatalogList catalogs;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void CheckStation(benchmark::State& state) {
    WoSt::tCatalog& catalog = *fixture().catalogs[0];
    WoSt::tWizardState wizard;
    wizard.catalog = &catalog;
    const WoSt::tSelLevel& product = *catalog.root->children[2]->children[3]->children[7];
    if (!WoSt::LoadProduct(wizard.product, catalog, product)) {
        state.SkipWithError("the product does not load");
        return;
    }
    wizard.reqTw.tVL = 82.0; // near the end of the sorted curves
    wizard.reqTw.tW = 55.0;
    wizard.reqTw.fr = 17.5;
    for (auto _ : state) {
        WoSt::CheckStation(wizard);
        benchmark::DoNotOptimize(wizard.design.vPrim);
    }
    if (!wizard.display.drawEnabled)
        state.SkipWithError("the check does not pass");
}

// What the wizard does after the planner changed a requirement: the summary and the whole check,
// with the tap rate alternating so that no two runs see the same requirement.
void WizardCheckAfterChange(benchmark::State& state) {
    WoSt::tCatalog& catalog = *fixture().catalogs[0];
    WoSt::tWizardState wizard;
    wizard.catalog = &catalog;
    if (!WoSt::LoadProduct(wizard.product, catalog, *catalog.root->children[2]->children[3]->children[7])) {
        state.SkipWithError("the product does not load");
        return;
    }
    wizard.reqTw.tVL = 82.0;
    wizard.reqTw.tW = 55.0;
    bool odd = false;
    for (auto _ : state) {
        wizard.reqTw.fr = (odd = !odd) ? 17.5 : 12.0;
        WoSt::UpdateTwSummary(wizard);
        benchmark::DoNotOptimize(wizard.display.result.size());
    }
    if (!wizard.display.drawEnabled)
        state.SkipWithError("the check does not pass");
}

void OpenProductTables(benchmark::State& state) {
    WoSt::tCatalog& catalog = *fixture().catalogs[0];
    WoSt::tProduct product;
    WoSt::LoadProduct(product, catalog, *catalog.root->children[2]->children[3]->children[7]);
    for (auto _ : state) {
        WoSt::MaterialDatabase& db = WoSt::CatalogDb(catalog);
        WoSt::TableHandle fitted = 0, characteristic = 0;
        const QString name = QStringLiteral("Ansatz_Kennlinien.") + db.KeyOfId(product.heatExchangerId);
        const bool ok = db.OpenTable(fitted, catalog.heatExchangers, name) &&
                        db.OpenTable(characteristic, fitted, QStringLiteral("Kennlinien"));
        benchmark::DoNotOptimize(ok);
    }
}

void LoadCatalog(benchmark::State& state) {
    const WoSt::TableHandle stations = fixture().catalogs[0]->stations;
    size_t nodes = 0;
    for (auto _ : state) {
        WoSt::tCatalog catalog;
        catalog.db = &WoSt::LibraryMaterialDb();
        catalog.mmdKey = QString::fromLatin1(kKey);
        catalog.stations = stations;
        if (!WoSt::LoadCatalog(catalog))
            state.SkipWithError("the catalogue does not load");
        nodes = catalog.root->children.size();
    }
    state.counters["groups"] = static_cast<double>(nodes);
}

// Every cell of every row of the selection tables below "Logik", straight from the file.
const char* const kScanSql =
    "WITH RECURSIVE below(id) AS ("
    "  SELECT t.id FROM tables t JOIN tables p ON t.parent = p.id WHERE p.name = 'Logik'"
    "  UNION ALL SELECT t.id FROM tables t JOIN below b ON t.parent = b.id)"
    "SELECT r.id, c.col, c.idx, c.value FROM below b JOIN rows r ON r.tbl = b.id "
    "LEFT JOIN cells c ON c.tbl = r.tbl AND c.row = r.id ORDER BY r.tbl, r.ord";

// Steps through the scan once; answers the number of result rows.
size_t scanOnce(sqlite3_stmt* statement) {
    size_t cells = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        benchmark::DoNotOptimize(sqlite3_column_int64(statement, 0));
        benchmark::DoNotOptimize(sqlite3_column_text(statement, 3));
        ++cells;
    }
    sqlite3_reset(statement);
    return cells;
}

void RawSqliteScan(benchmark::State& state) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(fixture().path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot open the database");
        return;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, kScanSql, -1, &statement, nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(db));
        sqlite3_close(db);
        return;
    }
    size_t cells = 0;
    for (auto _ : state)
        cells = scanOnce(statement);
    state.counters["cells"] = static_cast<double>(cells);
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

// The same scan with the file opened and the query prepared every time.
void RawSqliteScanFresh(benchmark::State& state) {
    size_t cells = 0;
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_open_v2(fixture().path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v2(db, kScanSql, -1, &statement, nullptr) != SQLITE_OK) {
            state.SkipWithError("cannot scan the database");
            sqlite3_close(db);
            return;
        }
        cells = scanOnce(statement);
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
    state.counters["cells"] = static_cast<double>(cells);
}

// A first load: the file attached under a key of its own, the catalogue listed and loaded,
// the database detached again.
void LoadCatalogFresh(benchmark::State& state) {
    const char* const key = "BENCH_FRESH";
    struct FreshSource : WoSt::CatalogSource {
        std::vector<WoSt::CatalogEntry> Catalogs() override {
            return {{nullptr, "Fresh", QString(), "BENCH_FRESH"}};
        }
        QString EnsureMMDLoaded(const WoSt::CatalogEntry&) override { return QStringLiteral("BENCH_FRESH"); }
        WoSt::MaterialDatabase& Database() override { return WoSt::LibraryMaterialDb(); }
    } source;
    fixture();
    for (auto _ : state) {
        if (!orvmat::Session::GetInstance().attach(key, fixture().path)) {
            state.SkipWithError("cannot attach the catalogue");
            return;
        }
        WoSt::tCatalogList catalogs;
        if (WoSt::ListCatalogs(catalogs, QString(), source) != 1 || !WoSt::LoadCatalog(*catalogs[0]))
            state.SkipWithError("the catalogue does not load");
        orvmat::Session::GetInstance().detach(key);
    }
}

BENCHMARK(OpenProductTables)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckStation)->Unit(benchmark::kMicrosecond);
BENCHMARK(WizardCheckAfterChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawSqliteScan)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadCatalog)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawSqliteScanFresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadCatalogFresh)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    using namespace orvane::bench;
    return orvane::bench::runWithRatios(
        argc, argv,
        {Ratio{"wizard check after a changed requirement, time / one 16.7 ms frame",
               "WizardCheckAfterChange",
               "",
               false,
               atMost(0.01),
               {},
               kFrameSeconds},
         Ratio{"check, time / opening the product's tables", "CheckStation", "OpenProductTables", false},
         Ratio{"catalogue load, time / raw SQLite scan of its rows", "LoadCatalog", "RawSqliteScan", false},
         Ratio{"first catalogue load, time / scan of a freshly opened file", "LoadCatalogFresh",
               "RawSqliteScanFresh", false}});
}
