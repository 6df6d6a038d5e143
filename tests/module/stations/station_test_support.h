#pragma once

// Helpers of the station tests: a station catalogue in a memory database, a fixed list of
// catalogues, water of constant properties and a log of the messages shown.

#include "memory_db.h"
#include "test_folder.h"

#include "corekit/ui_recorder.h"

#include "stations/station_catalog.h"
#include "stations/station_curves.h"
#include "stations/station_requirements.h"
#include "stations/station_text.h"
#include "stations/water_properties.h"

#include <QStringList>

#include <ostream>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// Water with round numbers, so that expected values can be worked out by hand.
class ConstantWater : public WoSt::WaterProperties {
public:
    double Dichte(double) const override { return 1000.0; }
    double SpezWaermeKapazitaet(double) const override { return 4200.0; }
};

// Records every message the station code shows while it lives.
class MessageLog {
public:
    struct Entry {
        QString text;
        WoSt::MessageIcon icon;
    };
    std::vector<Entry> entries() const;
    QStringList texts() const;

private:
    CRecordingUiServices m_ui;
};

// One curve of a heat exchanger: its temperatures and its characteristic points.
struct TestCurve {
    double tVL, tK, tW;
    std::vector<WoSt::tKennlinieItem> points;
};

// A station catalogue under construction in a memory database: "Heizung/Wohnungsstationen" with
// "Logik", "Daten", "Waermeuebertrager" and the optional tables.
class StationDb {
public:
    // version 0 writes no "Versionsnummer" row.
    StationDb(MemoryDb& db, const QString& key, int version);

    // A selection table below "Logik", such as "Auswahl1_1" or "Auswahl1_1/Auswahl2_3".
    WoSt::TableHandle selection(const QString& path);
    // A row of a selection table with its name (and, from version 2, its "Daten" reference).
    WoSt::RowId entry(WoSt::TableHandle table, const QString& key, const QString& name,
                      WoSt::RowId daten = 0);
    // A selection-row column counted as in version 1 (the text column shifts by one later).
    void selectionCell(WoSt::TableHandle table, WoSt::RowId row, int column, std::vector<Cell> values);
    // A "Daten" row referring to a heat exchanger.
    WoSt::RowId product(const QString& key, WoSt::RowId exchanger);
    void daten(WoSt::RowId row, int column, std::vector<Cell> values);
    // A heat exchanger with its fitted curves and characteristics.
    WoSt::RowId exchanger(const QString& key, const std::vector<TestCurve>& curves);
    // A distributor set: rows of (article key, quantity, circuit count).
    WoSt::RowId distributorSet(const QString& key, const std::vector<std::tuple<QString, double, int>>& rows);
    WoSt::TableHandle table(const QString& pathUnderStations);
    // The catalogue of this database, not yet loaded.
    WoSt::tCatalog catalog() const;

    MemoryDb& db;
    const QString key;
    const int version;
    WoSt::TableHandle stations, logik, datenTable, exchangers;
};

// A floor-heating requirement of 35/28 °C on a device that allows 25 to 45 °C.
inline WoSt::tReqHz floorHeatingRequest() {
    return {25, 45, 35.0, 28.0};
}

// Catalogues as a catalogue manager would list them.
class FixedCatalogs : public WoSt::CatalogSource {
public:
    struct Item {
        QString displayName;
        QString mmdKey;
        QString rootPath;
    };
    FixedCatalogs(std::vector<Item> items, WoSt::MaterialDatabase& db)
        : m_items(std::move(items)), m_db(db) {}
    std::vector<WoSt::CatalogEntry> Catalogs() override;
    QString EnsureMMDLoaded(const WoSt::CatalogEntry& entry) override;
    WoSt::MaterialDatabase& Database() override { return m_db; }

private:
    std::vector<Item> m_items;
    WoSt::MaterialDatabase& m_db;
};

// One catalogue "A" for the station wizard: a group "Wohnungsstationen" with "Station 1" and
// "Station 2" (with heat meter, a link and the picture "Bmp/p2.bmp" in `folder`).
void WriteWizardCatalogue(MemoryDb& memory, const TestFolder& folder);

} // namespace orvane::test
