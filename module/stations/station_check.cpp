#include "station_check.h"

#include "daten_row.h"
#include "station_curves.h"
#include "station_text.h"
#include "water_properties.h"

#include <algorithm>
#include <cmath>

namespace WoSt {
namespace {

// Temperatures are compared as whole degrees, truncated toward zero; values far outside any
// catalogue are kept in a range where the conversion is defined.
int wholeDegrees(double t) {
    if (!std::isfinite(t))
        return 0;
    return static_cast<int>(std::clamp(t, -1.0e6, 1.0e6));
}

bool openCurveTables(MaterialDatabase& db, const tCatalog& catalog, const tProduct& product,
                     TableHandle& fitted, TableHandle& characteristic) {
    const QString name = QStringLiteral("Ansatz_Kennlinien.") + db.KeyOfId(product.heatExchangerId);
    if (catalog.heatExchangers == 0 || !db.OpenTable(fitted, catalog.heatExchangers, name)) {
        ShowMessage(QStringLiteral("Tabelle %1 fehlt!").arg(name), MessageIcon::Stop);
        return false;
    }
    if (!db.OpenTable(characteristic, fitted, QStringLiteral("Kennlinien"))) {
        ShowMessage(QStringLiteral("Tabelle %1.%2 fehlt!").arg(name, QStringLiteral("Kennlinien")),
                    MessageIcon::Stop);
        return false;
    }
    return true;
}

// The characteristic's values are single precision, like the tap rate they are compared
// with: a tap rate written as the last point (13.88) must meet it exactly, not miss it by
// the difference between the float and the double of one decimal number.
std::vector<tKennlinieItem> readCharacteristic(MaterialDatabase& db, TableHandle table, RowId row) {
    std::vector<tKennlinieItem> points;
    tKennlinieItem point;
    for (int j = 0; db.ReadFloat(point.flow, table, row, j, 0); ++j) {
        point.vPrim = point.tRLPrim = 0.0;
        db.ReadFloat(point.vPrim, table, row, j, 1);
        db.ReadFloat(point.tRLPrim, table, row, j, 2);
        points.push_back({static_cast<float>(point.flow), static_cast<float>(point.vPrim),
                          static_cast<float>(point.tRLPrim)});
    }
    return points;
}

QString noOperatingPointError(const std::vector<tAnsatzKennlinieItem>& items, int tVL) {
    if (items.empty())
        return QStringLiteral("Heat exchanger dataset is not available!");
    if (tVL > items.back().tVL)
        return sformat(T("Die Vorlauftemperatur reicht nicht aus. Der größtmögliche Wert beträgt %.0f °C."),
                       items.back().tVL);
    return T("Das gewählte Gerät kann für die angegebenen Temperaturen nicht ausgelegt werden.");
}

QString noSegmentError(const std::vector<tKennlinieItem>& points, double z) {
    if (points.empty())
        return QStringLiteral("Heat exchanger dataset is not available!");
    if (z >= points.front().flow)
        return sformat(T("Die Zapfrate von %.2f %s ist zu groß. Der größtmögliche Wert des gewählten "
                         "Wärmetauschers beträgt %.2f %s. Verringern Sie die Zapfrate oder wählen Sie einen "
                         "größeren Wärmetauscher."),
                       z, U("l/min"), points.back().flow, U("l/min"));
    return sformat(T("Der Volumenstrom ist zu klein. Der kleinstmögliche Wert beträgt %.2f %s."),
                   points.front().flow, U("l/min"));
}

QString operatingModeText(int mode) {
    switch (mode) {
    case 0:
        return T("@Betriebsart Wohnungsstation@Vorrang");
    case 1:
        return T("@Betriebsart Wohnungsstation@Parallel");
    case 2:
        return T("@Betriebsart Wohnungsstation@Vorrang/Parallel");
    default:
        return {};
    }
}

// Pressure losses of the drinking-water path and of the heating side at the tap rate z, mbar.
struct PressureLosses {
    double tw = 0.0;
    double hz = 0.0;
};

PressureLosses pressureLosses(const tWizardState& w, const DatenRowReader& daten, double z) {
    const double v = z * 60.0 / 1000.0; // m³/h
    PressureLosses dp;
    dp.tw = daten.integer(DatenColumn::OpeningPwc) + daten.integer(DatenColumn::OpeningPwh);
    if (const double kv = daten.real(DatenColumn::KvPwc); kv > 0.0)
        dp.tw += 1000.0 * (v / kv) * (v / kv);
    if (const double kv = daten.real(DatenColumn::KvPwh); kv > 0.0)
        dp.tw += 1000.0 * (v / kv) * (v / kv);
    if (w.product.hasWaterMeter == 1 && w.waterMeterFlow > 0.0)
        dp.tw += (v / w.waterMeterFlow) * (v / w.waterMeterFlow) * w.waterMeterDp;
    const double kvPrim = daten.real(DatenColumn::KvPrim);
    const double a = kvPrim > 0.0 ? 1000.0 * (v / kvPrim) * (v / kvPrim) : 0.0;
    const double dpSecMin = daten.real(DatenColumn::DpSecMin);
    const double b = dpSecMin > 0.0 ? dpSecMin : 0.0;
    dp.hz = (a > 0.0 && a > dpSecMin) ? a : b;
    return dp;
}

QString designText(const tWizardState& w, const DatenRowReader& daten, const tAnsatzKennlinieItem& point,
                   double z, double rodPower, int tVL, int tW) {
    const PressureLosses dp = pressureLosses(w, daten, z);
    QString temperatures = sformat("%s\t%.0f/%.0f °C", T("VL/RL-Temp."), w.design.tVL, w.design.tRLPrim);
    if (rodPower > 0.0 && (point.tW != tW || point.tVL != tVL))
        temperatures += sformat(", %s %.0f %s", T("Heizstab"), rodPower, U("W"));
    const QStringList rows{
        temperatures, sformat(T("%s\t%0.f %s"), T("Druckverlust-TW"), dp.tw, U("mbar")),
        sformat("%s\t%0.f %s", T("Druckverlust-HZ"), dp.hz, U("mbar")),
        sformat("%s\t\t%s", T("Schaltung"), operatingModeText(daten.integer(DatenColumn::OperatingMode)))};
    return rows.join(kCrLf);
}

// The floor-heating rules; they may replace an error found before.
void checkFloorHeating(tWizardState& w, QString& error, QString& note) {
    if (!w.reqHz.fbhPossible) {
        w.display.hzSummary.clear();
        return;
    }
    const int most = MaxFbhCircuits(*w.catalog, w.product);
    const int wanted = w.reqHz.nFbh;
    const QString temperatures = sformat("%s %.0f/%.0f °C", T("VL/RL-Temp."), w.reqHz.tVL, w.reqHz.tRL);
    QString summary;
    if (wanted < 1 && most > 0)
        error =
            T("Die gewählte Station enthält einen Fußbodenheizungs-Verteiler. Bei Bedarf bitte Anzahl der "
              "FBH-Kreise festlegen.");
    if (wanted > 0 && most < 1)
        error =
            T("Die gewählte Station enthält keinen FBH-Verteiler. Bitte Anzahl der FBH-Kreise auf 0 setzen.");
    if (most >= 1 && wanted > most)
        error = sformat(T("Die gewählte Station kann maximal %d Heizkreise am Verteiler aufnehmen."), most);
    if (most > 0 && wanted <= most) {
        summary = temperatures;
        if (wanted > 0)
            summary += kCrLf + sformat(T("FBH-Kreise: %d Stück"), wanted);
        if (w.reqHz.tVL > 50.0 || w.reqHz.tRL < 20.0)
            error = temperatures;
    }
    if (most < 1) {
        summary = temperatures;
        note =
            T("An diese Wohnungsstation kann ein externer FBH-Verteiler angeschlossen werden. Einstellungen "
              "können bei Bedarf an dem externen FBH-Verteiler vorgenommen werden.");
    }
    w.display.hzSummary = summary;
}

enum class Next { FloorHeating, Finish };

// Operating point, characteristic, heating rod and result text. Sets `error` when the station
// cannot be designed; answers where the check goes on.
Next designDrinkingWater(tWizardState& w, MaterialDatabase& db, TableHandle fitted,
                         TableHandle characteristic, QString& error) {
    const tCatalog& catalog = *w.catalog;
    const DatenRowReader daten(db, catalog, w.product);
    const int rodLimit = daten.integer(DatenColumn::HeatingRodPower);
    const int tVL = wholeDegrees(w.reqTw.tVL);
    const int tK = wholeDegrees(w.reqTw.tK);
    const int tW = wholeDegrees(w.reqTw.tW);

    const std::vector<tAnsatzKennlinieItem> items = ReadFittedCurves(db, fitted);
    const auto found = FindOperatingPoint(items, tVL, tK, tW, rodLimit > 0);
    if (!found) {
        error = noOperatingPointError(items, tVL);
        return Next::Finish;
    }
    const tAnsatzKennlinieItem point = items[*found];
    const std::vector<tKennlinieItem> points = readCharacteristic(db, characteristic, point.row);
    const double z = static_cast<float>(ZapfrateOf(w.reqTw));
    const auto segment = FindSegment(points, z);
    if (!segment) {
        error = noSegmentError(points, z);
        return Next::FloorHeating;
    }
    const tKennlinieItem at = Interpolate(points, *segment, z);
    w.design = w.reqTw;
    w.design.tK = point.tK;
    w.design.tW = point.tW;
    w.design.tVL = point.tVL;
    w.design.tRLPrim = at.tRLPrim;
    w.design.vPrim = at.vPrim;

    double rodPower = 0.0;
    if (point.tW < w.reqTw.tW && rodLimit > 0) {
        const WaterProperties& water = Water();
        rodPower = water.Dichte(w.reqTw.tW) * water.SpezWaermeKapazitaet(w.reqTw.tW) *
                   (ZapfrateOf(w.design) / 60000.0) * (w.reqTw.tW - point.tW);
        if (rodLimit < rodPower) {
            error = sformat(
                "Die maximale elektrische Leistung des Zusatzheizstabs reicht nicht aus. Erforderlich "
                "ist %.1f%s.",
                rodPower / 1000.0, U("kW"));
            return Next::Finish;
        }
    }
    if (catalog.data != 0) {
        w.display.result = designText(w, daten, point, z, rodPower, tVL, tW);
        w.display.resultLook = ResultLook::System;
    }
    return Next::FloorHeating;
}

} // namespace

std::vector<tAnsatzKennlinieItem> ReadFittedCurves(MaterialDatabase& db, TableHandle table) {
    std::vector<tAnsatzKennlinieItem> items;
    for (RowId row : RowsOf(db, table)) {
        tAnsatzKennlinieItem item;
        item.row = row;
        db.ReadFloat(item.tVL, table, row, 0, 0);
        db.ReadFloat(item.tK, table, row, 0, 1);
        db.ReadFloat(item.tW, table, row, 0, 2);
        items.push_back(item);
    }
    SortAnsatzKennlinien(items);
    return items;
}

void CheckStation(tWizardState& w) {
    if (!w.catalog || !w.product.supported)
        return;
    tCheckDisplay& display = w.display;
    display.heatMeterVisible = w.product.hasHeatMeter == 1;
    display.waterMeterVisible = w.product.hasWaterMeter == 1;
    display.drawEnabled = false;

    MaterialDatabase& db = CatalogDb(*w.catalog);
    TableHandle fitted = 0;
    TableHandle characteristic = 0;
    if (!openCurveTables(db, *w.catalog, w.product, fitted, characteristic))
        return;
    if (w.catalog->data != 0) {
        const DatenRowReader daten(db, *w.catalog, w.product);
        w.reqHz.tVLMin = daten.integer(DatenColumn::TvlSecMin);
        w.reqHz.tVLMax = daten.integer(DatenColumn::TvlSecMax);
        w.reqHz.fbhPossible = (w.reqHz.tVLMin > 0 && w.reqHz.tVLMax > 0) ? 1 : 0;
        display.fbhEnabled = w.reqHz.fbhPossible != 0;
    }

    QString error;
    QString note;
    if (designDrinkingWater(w, db, fitted, characteristic, error) == Next::FloorHeating)
        checkFloorHeating(w, error, note);

    if (!error.isEmpty()) {
        display.result = sformat("%s: %s", T("Fehler"), error);
        display.resultLook = ResultLook::Error;
        return;
    }
    if (!note.isEmpty()) {
        display.result = note;
        display.resultLook = ResultLook::System;
    }
    display.drawEnabled = true;
}

void UpdateTwSummary(tWizardState& w) {
    const QStringList rows{
        sformat("%s\t\t%.0f %s, %.0f °C", T("Zapfrate"), ZapfrateOf(w.reqTw), U("l/min"), w.reqTw.tW),
        sformat("%s\t%.0f %s", T("Wärmeleistung-TW"), WaermeleistungOf(w.reqTw), U("W")),
        sformat("%s\t%.0f °C", T("Vorlauftemp."), w.reqTw.tVL)};
    w.display.twSummary = rows.join(kCrLf);
    CheckStation(w);
}

std::pair<QColor, QColor> ResultColors(ResultLook look, const QPalette& palette) {
    const QColor face = palette.color(QPalette::Button);
    if (look == ResultLook::Error)
        return {QColor(255, 0, 0), face};
    return {palette.color(QPalette::ButtonText), face};
}

} // namespace WoSt

namespace WoSt {

tPressureLosses PressureLossesAt(const tWizardState& w, double tapRate) {
    if (!w.catalog || w.catalog->data == 0)
        return {};
    const DatenRowReader daten(CatalogDb(*w.catalog), *w.catalog, w.product);
    const PressureLosses dp = pressureLosses(w, daten, tapRate);
    return {dp.tw, dp.hz};
}

} // namespace WoSt
