#include "station_output_parts.h"

#include "station_output.h"
#include "station_text.h"

#include "corekit/node.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace WoSt {
namespace {

// Numbers for the host are written the C way, whatever the planner's locale.
QString fixed(double value) {
    return QString::asprintf("%f", value);
}

// The n-th ';'-separated field of a text, counted from 1; empty past the end.
QString field(const QString& text, int n) {
    const QStringList fields = text.split(QLatin1Char(';'));
    return n >= 1 && n <= fields.size() ? fields.at(n - 1).trimmed() : QString();
}

bool openInside(MaterialDatabase& db, TableHandle& table, TableHandle parent, const QString& name) {
    return parent != 0 && db.OpenTable(table, parent, name);
}

// The pump with its curve; "DPZUL" is the range of the first delivery head of each curve.
void addPump(CNode& draw, MaterialDatabase& db, const tWizardState& w, TableHandle curves, RowId pump,
             const QString& nodeName, const QString& maker) {
    QString designation;
    QString control;
    db.ReadText(designation, w.catalog->pumps, pump, 0, 0);
    db.ReadText(control, w.catalog->pumps, pump, 0, 1);
    CNode* pumps = draw.AddChild(nodeName)->AddChild(QStringLiteral("PUMPEN"));
    pumps->AddLeaf(QStringLiteral("VERSION"), 1);
    pumps->AddLeaf(QStringLiteral("HERSTELLER"), maker);
    pumps->AddLeaf(QStringLiteral("MMD"), w.catalog->mmdKey);
    CNode* series = pumps->AddChild(QStringLiteral("SERIE"));
    series->AddLeaf(QStringLiteral("BEZ"), w.product.name);
    CNode* node = series->AddChild(QStringLiteral("PUMPE"));
    node->AddLeaf(QStringLiteral("BEZ"), designation);
    node->AddLeaf(QStringLiteral("REG"), control);
    double least = std::numeric_limits<double>::max();
    double most = std::numeric_limits<double>::lowest();
    QString volumes;
    for (int j = 0; db.ReadText(volumes, curves, pump, j, 0); ++j) {
        QString heads;
        db.ReadText(heads, curves, pump, j, 1);
        CNode* line = node->AddChild(QStringLiteral("LINIE"));
        line->AddLeaf(QStringLiteral("DAT"), j + 1);
        line->AddLeaf(QStringLiteral("VOL"), volumes);
        line->AddLeaf(QStringLiteral("DPP"), heads);
        for (const QString& token : heads.split(QLatin1Char(';'))) {
            if (token.trimmed().isEmpty())
                continue;
            const double head = token.trimmed().toDouble();
            least = std::min(least, head);
            most = std::max(most, head);
            break;
        }
    }
    if (most < least)
        least = most = 0.0;
    node->AddLeaf(QStringLiteral("DPZUL"), fixed(RoundTo(least, 0)) + u':' + fixed(RoundTo(most, 0)));
}

// Every item of a one-entry list after expansion with the article-set groups, as "ART" leaves.
void addExpanded(CNode& stl, MaterialDatabase& db, TableHandle groups, double quantity, RowId article,
                 int flag) {
    const std::unique_ptr<MaterialList> list = db.NewMaterialList();
    list->Add(quantity, article, flag);
    list->Expand(groups);
    for (const MaterialItem& item : list->Items())
        stl.AddLeaf(QStringLiteral("ART"), fixed(item.quantity) + u':' + db.KeyOfId(item.article) + u':' +
                                               QString::number(item.flag));
}

} // namespace

void AddPumps(CNode& draw, MaterialDatabase& db, const tWizardState& w, const DatenRowReader& daten) {
    TableHandle curves = 0;
    if (!openInside(db, curves, w.catalog->pumps, QStringLiteral("Pumpenkennlinie")))
        return;
    QString maker;
    TableHandle strings = 0;
    if (db.OpenTable(strings, 0, QStringLiteral("StringTable")))
        db.ReadText(maker, strings, db.IdOfKey(QStringLiteral("HERSTELLERNAME")), 0, 0);
    if (const RowId pump = daten.ref(DatenColumn::HeatingPump); pump != 0)
        addPump(draw, db, w, curves, pump, QStringLiteral("PUMPEN_HZ"), maker);
    if (const RowId pump = daten.ref(DatenColumn::SecondPump); pump != 0)
        addPump(draw, db, w, curves, pump, QStringLiteral("PUMPEN_Z"), maker);
}

void AddBalancingValve(CNode& wost, MaterialDatabase& db, const tCatalog& catalog,
                       const DatenRowReader& daten) {
    const RowId valve = daten.ref(DatenColumn::BalancingValve);
    if (valve == 0 || catalog.balancingValves == 0)
        return;
    QString presettings, kvs, name;
    db.ReadText(presettings, catalog.balancingValves, valve, 0, 0);
    db.ReadText(kvs, catalog.balancingValves, valve, 0, 1);
    db.ReadText(name, catalog.texts, valve, 0, 1);
    CNode* strv = wost.AddChild(QStringLiteral("STRV"));
    strv->AddLeaf(QStringLiteral("NAME"), name);
    for (int n = 1;; ++n) {
        const double v = field(presettings, n).toDouble();
        if (!(v > 0.0))
            break;
        strv->AddLeaf(QStringLiteral("SET"), fixed(v) + u':' + field(kvs, n));
    }
}

void AddDpRegulator(CNode& wost, MaterialDatabase& db, const tCatalog& catalog, const DatenRowReader& daten) {
    const RowId regulator = daten.ref(DatenColumn::DpRegulator);
    if (regulator == 0 || catalog.dpRegulators == 0)
        return;
    QString pressures, kvs, name;
    db.ReadText(pressures, catalog.dpRegulators, regulator, 0, 0);
    db.ReadText(kvs, catalog.dpRegulators, regulator, 0, 1);
    db.ReadText(name, catalog.texts, regulator, 0, 1);
    CNode* ddr = wost.AddChild(QStringLiteral("DDR"));
    ddr->AddLeaf(QStringLiteral("NAME"), name);
    for (int n = 1; !field(pressures, n).isEmpty(); ++n)
        ddr->AddLeaf(QStringLiteral("DPSET"), field(pressures, n));
    for (int n = 1; !field(kvs, n).isEmpty(); ++n)
        ddr->AddLeaf(QStringLiteral("KVSET"), field(kvs, n));
}

void AddPartsList(CNode& wost, MaterialDatabase& db, const tWizardState& w) {
    TableHandle groups = 0;
    if (!db.OpenTable(groups, 0, QStringLiteral("Heizung.ArtikelSetGruppen")))
        return;
    const tProduct& p = w.product;
    CNode* stl = wost.AddChild(QStringLiteral("STL"));
    double quantity = 0.0;
    for (int j = 0; db.ReadFloat(quantity, groups, p.dataRow, j, 0); ++j) {
        RowId article = 0;
        int flag = 0;
        db.ReadRef(article, groups, p.dataRow, j, 1);
        db.ReadInt(flag, groups, p.dataRow, j, 2);
        addExpanded(*stl, db, groups, quantity, article, flag);
    }
    if (p.accessories)
        for (const MaterialItem& item : p.accessories->Items())
            if (item.quantity > 0.0)
                addExpanded(*stl, db, groups, item.quantity, item.article, item.flag);
    const std::unique_ptr<MaterialList> distributor = db.NewMaterialList();
    if (AddDistributorArticles(*w.catalog, p, w.reqHz.nFbh, *distributor) > 0)
        for (const MaterialItem& item : distributor->Items())
            if (item.quantity > 0.0)
                addExpanded(*stl, db, groups, item.quantity, item.article, item.flag);
}

void AddConnections(CNode& wost, MaterialDatabase& db, const tCatalog& catalog, const tProduct& product) {
    TableHandle table = 0;
    const QString name = db.KeyOfId(product.dataRow);
    if (name.isEmpty() || !openInside(db, table, catalog.connections, name))
        return;
    CNode* ans = wost.AddChild(QStringLiteral("ANS"));
    for (const char* key : {"HZ_PRIM_VL", "HZ_PRIM_RL", "HZ_SEK_VL", "HZ_SEK_RL", "HZ_SEK_VL_2",
                            "HZ_SEK_RL_2", "TW_PWC_IN", "TW_PWC_OUT", "TW_PWH_OUT", "TW_PWH_C"}) {
        QString text;
        if (db.ReadText(text, table, db.IdOfKey(QString::fromLatin1(key)), 0, 0))
            ans->AddLeaf(QString::fromLatin1(key), text);
    }
}

} // namespace WoSt
