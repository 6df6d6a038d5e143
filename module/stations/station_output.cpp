#include "station_output.h"

#include "daten_row.h"
#include "station_output_parts.h"
#include "station_text.h"
#include "water_properties.h"

#include "corekit/document_policy.h"
#include "corekit/node.h"
#include "corekit/paths.h"
#include "corekit/ui_services.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace WoSt {
namespace {

constexpr double kZeroCelsius = 273.15;

// The heat the primary side delivers at the design point, W.
double primaryHeat(const tReqTw& design) {
    const WaterProperties& water = Water();
    const double t = design.tVL;
    return water.Dichte(t) * water.SpezWaermeKapazitaet(t) * design.vPrim / 3.6e6 * (t - design.tRLPrim);
}

void addHzEed(CNode& draw, const tWizardState& w, const DatenRowReader& daten) {
    CNode* hz = draw.AddChild(QStringLiteral("HzEed"));
    AddReal(*hz, QStringLiteral("Q"), std::max(WaermeleistungOf(w.design), primaryHeat(w.design)));
    AddReal(*hz, QStringLiteral("t_VL"), w.design.tVL);
    AddReal(*hz, QStringLiteral("t_RL"), w.design.tRLPrim);
    AddReal(*hz, QStringLiteral("Volumen1"), daten.real(DatenColumn::Volume));
    double dpMax = 0.0;
    const bool limited = daten.readsReal(DatenColumn::DpPrimMax, dpMax) && dpMax > 0.0;
    if (limited)
        AddReal(*hz, QStringLiteral("dpMax_HZ_Prim"), dpMax * 100.0);
    AddReal(
        *hz, QStringLiteral("kv-Wert_HZ_Prim"),
        SeriesKv(daten.real(DatenColumn::KvPrim), w.product.hasHeatMeter, w.heatMeterFlow, w.heatMeterDp));
    hz->AddLeaf(QStringLiteral("bKvWert_HZ_Prim"), limited ? 0 : 1);
    AddReal(*hz, QStringLiteral("kv-Wert_HZ_Sek"), daten.real(DatenColumn::KvSec));
    hz->AddLeaf(QStringLiteral("bKvWert_HZ_Sek"), w.product.stationType == 0 ? 1 : 0);
    if (w.reqHz.fbhPossible) {
        AddReal(*hz, QStringLiteral("auslTemp_K_VL"), w.reqHz.tVL + kZeroCelsius);
        AddReal(*hz, QStringLiteral("auslTemp_K_RL"), w.reqHz.tRL + kZeroCelsius);
        if (w.reqHz.tVL < w.reqHz.tVLMin || w.reqHz.tVL > w.reqHz.tVLMax)
            ShowMessage(
                T("Die VL-Temperatur liegt außerhalb des zulässigen Einstellungsintervalls des Gerätes."),
                MessageIcon::Exclamation);
    }
}

void addTwEed(CNode& draw, const tWizardState& w, const DatenRowReader& daten) {
    CNode* tw = draw.AddChild(QStringLiteral("TwEed"));
    AddReal(*tw, QStringLiteral("PWH-Temperatur"), w.design.tW + kZeroCelsius);
    AddReal(
        *tw, QStringLiteral("kv-Wert_PWC"),
        SeriesKv(daten.real(DatenColumn::KvPwc), w.product.hasWaterMeter, w.waterMeterFlow, w.waterMeterDp));
    tw->AddLeaf(QStringLiteral("dp(Oeffn)_PWC"), daten.integer(DatenColumn::OpeningPwc) * 100);
    AddReal(*tw, QStringLiteral("kv-Wert_PWH"), daten.real(DatenColumn::KvPwh));
    tw->AddLeaf(QStringLiteral("dp(Oeffn)_PWH"), daten.integer(DatenColumn::OpeningPwh) * 100);
    AddReal(*tw, QStringLiteral("kv-Wert_PWH-C"), daten.real(DatenColumn::KvPwhC));
    tw->AddLeaf(QStringLiteral("dp(Oeffn)_PWH-C"), daten.integer(DatenColumn::OpeningPwhC) * 100);
}

bool floorHeatingWanted(const tWizardState& w) {
    return w.reqHz.fbhPossible && w.reqHz.nFbh > 0;
}

void addFbhEed(CNode& draw, const tWizardState& w) {
    CNode* fbh = draw.AddChild(QStringLiteral("FbhEed"));
    fbh->AddLeaf(QStringLiteral("heizkreise"), w.reqHz.nFbh);
    AddReal(*fbh, QStringLiteral("waermestrom"), w.reqHz.q);
    AddReal(*fbh, QStringLiteral("druckverlust"), w.reqHz.dp);
    AddReal(*fbh, QStringLiteral("volumen"), w.reqHz.vol);
}

void addWostLeaves(CNode& wost, MaterialDatabase& db, const tWizardState& w, const DatenRowReader& daten) {
    const tCatalog& catalog = *w.catalog;
    const tProduct& p = w.product;
    wost.AddLeaf(QStringLiteral("VERSION"), catalog.version);
    wost.AddLeaf(QStringLiteral("MMD"), catalog.mmdKey);
    wost.AddLeaf(QStringLiteral("HANDLE"), db.KeyOfId(p.levelRow));
    wost.AddLeaf(QStringLiteral("ARTICLESET"), db.KeyOfId(p.dataRow));
    wost.AddLeaf(QStringLiteral("NAME"), p.name);
    AddReal(wost, QStringLiteral("HZ_DPSEK_MIN"), daten.real(DatenColumn::DpSecMin) * 100.0);
    AddReal(wost, QStringLiteral("HZ_DPSEK_MAX"), daten.real(DatenColumn::DpSecMax) * 100.0);
    AddReal(wost, QStringLiteral("HZ_MSTROM_MAX"), daten.real(DatenColumn::MassFlowMax));
    wost.AddLeaf(QStringLiteral("HZ_VL_TEMP_SEK_MIN"), daten.integer(DatenColumn::TvlSecMin));
    wost.AddLeaf(QStringLiteral("HZ_VL_TEMP_SEK_MAX"), daten.integer(DatenColumn::TvlSecMax));
    wost.AddLeaf(QStringLiteral("HZ_ZAEHLER"), p.hasHeatMeter);
    AddReal(wost, QStringLiteral("HZ_ZAEHLER_VOL"), w.heatMeterFlow);
    AddReal(wost, QStringLiteral("HZ_ZAEHLER_DP"), w.heatMeterDp);
    wost.AddLeaf(QStringLiteral("KW_ZAEHLER"), p.hasWaterMeter);
    AddReal(wost, QStringLiteral("KW_ZAEHLER_VOL"), w.waterMeterFlow);
    AddReal(wost, QStringLiteral("KW_ZAEHLER_DP"), w.waterMeterDp);
    wost.AddLeaf(QStringLiteral("SCHALTUNG"), daten.integer(DatenColumn::OperatingMode));
    AddReal(wost, QStringLiteral("TW_DURCHFLUSS"), ZapfrateOf(w.reqTw));
    if (const int rod = daten.integer(DatenColumn::HeatingRodPower); rod > 0)
        wost.AddLeaf(QStringLiteral("Q_ELEKTRO_HEIZSTAB"), rod);
    if (!floorHeatingWanted(w))
        return;
    wost.AddLeaf(QStringLiteral("HZ_ANZ_FBH_KREISE"), w.reqHz.nFbh);
    if (catalog.version < 3)
        return;
    AddReal(wost, QStringLiteral("HZ_FBH_Q"), w.reqHz.q);
    AddReal(wost, QStringLiteral("HZ_FBH_DP"), w.reqHz.dp);
    AddReal(wost, QStringLiteral("HZ_FBH_VOL"), w.reqHz.vol);
    if (p.distributorSetId != 0 && !p.explode)
        wost.AddLeaf(QStringLiteral("HZ_FBH_INCL"), 1);
}

void addProductData(CNode& draw, const tWizardState& w) {
    const tCatalog& catalog = *w.catalog;
    const tProduct& p = w.product;
    const CFilePath block(p.block3D);
    CNode* data = draw.AddChild(QStringLiteral("ProductData"));
    data->AddLeaf(QStringLiteral("DwgBaseName"), block.GetFileName());
    data->AddLeaf(QStringLiteral("BlockName"), block.GetShortFileName());
    data->AddLeaf(QStringLiteral("RootPath"), block.GetDirPath().GetParentDirPath().GetPath());
    data->AddLeaf(QStringLiteral("KatalogKzl"), catalog.info.id);
    data->AddLeaf(QStringLiteral("MmdKzl"), catalog.mmdKey);
    data->AddLeaf(QStringLiteral("HstName"), catalog.info.displayName);
    data->AddLeaf(QStringLiteral("DefaultEinbaulage"), "BODENAUFBAU");
    data->AddLeaf(QStringLiteral("ProductClass"), "GERAET");
    data->AddLeaf(QStringLiteral("ProductType"), QString());
    data->AddLeaf(QStringLiteral("ProductSubType"), QString());
    data->AddLeaf(QStringLiteral("BauteilLage"), "BODEN");
    data->AddLeaf(QStringLiteral("Modulkennung"), "3D_PIPING");
    data->AddLeaf(QStringLiteral("Kurztext"), p.name);
    data->AddLeaf(QStringLiteral("Langtext"), p.description);
    if (p.stationType == 0) {
        const bool bms = block.GetShortFileName().indexOf(QStringLiteral("_BMS_")) >= 1;
        data->AddLeaf(QStringLiteral("TecInsNameHz"),
                      bms ? "HS_TE_WOHNSTATION_BMS_HKZL_TYP" : "HS_TE_WOHNSTATION_HKZL_TYP");
        data->AddLeaf(QStringLiteral("TecInsNameTw"), "HS_TE_WOHNSTATION_HKZL_TYP");
    } else if (p.stationType == 1) {
        data->AddLeaf(QStringLiteral("TecInsNameHz"), "HS_TE_FWS_HKZL_TYP");
        data->AddLeaf(QStringLiteral("TecInsNameTw"), "HS_TE_FWS_HKZL_TYP");
    }
}

// The node as built so far goes to the material output file; a failed write is not told.
void writeMaterialFile(const CNode& draw, const QString& folder) {
    if (folder.isEmpty())
        return;
    const QString path = QDir(folder).filePath(QString::fromLatin1(kMaterialOutputFileName));
    if (draw.WriteToFile(path, false, true, false, 0, u':'))
        CurrentUiServices().OpenWithDefaultHandler(path, {T("Materialliste der Station"), folder});
}

} // namespace

double RoundTo(double x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::floor(x * scale + 0.5) / scale;
}

double SeriesKv(double kvPath, int meterFlag, double meterFlow, double meterDp) {
    const double kvMeter = (meterFlag == 1 && meterDp > 0.0) ? std::sqrt(1000.0 / meterDp) * meterFlow : 0.0;
    double s = 0.0;
    if (kvPath > 0.0)
        s += 1.0 / (kvPath * kvPath);
    if (kvMeter > 0.0)
        s += 1.0 / (kvMeter * kvMeter);
    return s > 0.0 ? RoundTo(std::sqrt(1.0 / s), 3) : 0.0;
}

std::unique_ptr<CNode> CreateDrawNode(tWizardState& w, const tDrawOptions& options) {
    if (!w.catalog)
        return nullptr;
    const tCatalog& catalog = *w.catalog;
    const tProduct& p = w.product;
    MaterialDatabase& db = CatalogDb(catalog);
    auto draw = std::make_unique<CNode>(QStringLiteral("DrawStation"));
    draw->AddLeaf(QStringLiteral("CatId"), catalog.info.id);
    draw->AddLeaf(QStringLiteral("StationType"), p.stationType);
    draw->AddLeaf(QStringLiteral("BlockFile2D"), p.block2D);
    if (!options.schemeNetType) {
        draw->AddLeaf(QStringLiteral("BlockFile3D"), p.block3D);
        if (options.mirror != 0)
            draw->AddLeaf(QStringLiteral("Mirror"), options.mirror);
    }
    if (p.explode)
        draw->AddLeaf(QStringLiteral("Explode"), 1);
    if (catalog.data != 0) {
        const DatenRowReader daten(db, catalog, p);
        if (p.stationType == 0 || p.stationType == 1) {
            addHzEed(*draw, w, daten);
            addTwEed(*draw, w, daten);
        }
        if (p.distributorSetId != 0 && p.explode && floorHeatingWanted(w))
            addFbhEed(*draw, w);
        CNode* wost = draw->AddChild(QStringLiteral("WOST"));
        addWostLeaves(*wost, db, w, daten);
        AddPumps(*draw, db, w, daten);
        AddBalancingValve(*wost, db, catalog, daten);
        AddDpRegulator(*wost, db, catalog, daten);
        AddPartsList(*wost, db, w);
        AddConnections(*wost, db, catalog, p);
    }
    writeMaterialFile(*draw, options.materialFolder);
    draw->AddChild(QStringLiteral("ReqTw"))->AddChild(ReqTwNode(w.reqTw).release());
    draw->AddChild(QStringLiteral("ReqHz"))->AddChild(ReqHzNode(w.reqHz).release());
    draw->AddLeaf(QStringLiteral("DataWMZ"), MeterDataText(w.heatMeterFlow, w.heatMeterDp));
    draw->AddLeaf(QStringLiteral("DataWZ"), MeterDataText(w.waterMeterFlow, w.waterMeterDp));
    if ((options.zTyp == 0 || options.zTyp == 2) && !p.block3D.isEmpty() && QFileInfo(p.block3D).isFile())
        addProductData(*draw, w);
    return draw;
}

std::unique_ptr<CNode> CreateDeleteStationNode() {
    return std::make_unique<CNode>(QStringLiteral("DeleteStation"));
}

std::unique_ptr<CNode> CreateGetStationNode() {
    return std::make_unique<CNode>(QStringLiteral("GetStation"));
}

} // namespace WoSt
