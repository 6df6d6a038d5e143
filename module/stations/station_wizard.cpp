#include "station_wizard.h"

#include "station_text.h"

#include "corekit/node.h"
#include "corekit/registry.h"
#include "corekit/tree_items.h"

#include <QStringList>

namespace WoSt {
namespace {

QString readText(const QString& key, const char* name) {
    QString value;
    RegQueryValueW(HKEY_CURRENT_USER, key, QString::fromLatin1(name), value);
    return value;
}

// A requirement node stored as text, when it reads.
std::unique_ptr<CNode> storedNode(const QString& key, const char* name) {
    const QString text = readText(key, name);
    return std::unique_ptr<CNode>(text.isEmpty() ? nullptr : TreeItems::ReadFromString(text));
}

QString nodeText(const CNode& node) {
    QString text;
    node.WriteToString(text, false, false, false, 0, u':');
    return text;
}

} // namespace

CStationWizard::CStationWizard(const CNode* input, tWizardContext context)
    : m_input(input), m_context(std::move(context)) {}

CStationWizard::~CStationWizard() = default;

const CNode* CStationWizard::FetchedStation() const {
    return m_input ? m_input->GetFirstChild() : nullptr;
}

bool CStationWizard::HasSchemeNetType() const {
    return m_input && m_input->FindLeaf(QStringLiteral("SchemeNetType"));
}

int CStationWizard::ZTyp() const {
    return m_input ? m_input->GetIntLeafValue(QString(), QStringLiteral("ZTyp"), 1, u':', 0) : 0;
}

int CStationWizard::WantedCatalogue() const {
    const CNode* station = FetchedStation();
    const QString wanted = station ? station->GetStrLeafValue(QStringLiteral("WOST"), QStringLiteral("MMD"))
                                   : readText(m_context.settingsKey, "LastMmdKey");
    int found = -1;
    for (size_t i = 0; i < m_catalogs.size(); ++i)
        if (m_catalogs[i]->mmdKey == wanted)
            found = static_cast<int>(i);
    return found < 0 ? 0 : found;
}

bool CStationWizard::Open() {
    const QString filter =
        m_input ? m_input->GetStrLeafValue(QString(), QStringLiteral("CatFilter"), 1, u'\n') : QString();
    if (!m_context.catalogs || ListCatalogs(m_catalogs, filter, *m_context.catalogs) == 0) {
        ShowMessage(T("Keine Herstellerdaten vorhanden!"), MessageIcon::Information);
        return false;
    }
    m_state.product.accessories = m_context.catalogs->Database().NewMaterialList();
    const int wanted = WantedCatalogue();
    for (const QString& part : readText(m_context.settingsKey, "LastCmbSel").split(u':', Qt::SkipEmptyParts))
        m_selPath.push_back(part.toInt());
    if (const CNode* station = FetchedStation())
        RestoreWantedProduct(*station);
    m_catalogIndex = -1;
    if (!SelectCatalogue(wanted))
        m_catalogIndex = -1;
    m_selPath.clear();
    LoadSettings();
    if (const CNode* station = FetchedStation())
        TakeFetchedStation(*station);
    UpdateTwSummary(m_state);
    return true;
}

void CStationWizard::RestoreWantedProduct(const CNode& station) {
    QString key = station.GetStrLeafValue(QStringLiteral("WOST"), QStringLiteral("ARTICLESET"));
    if (key.isEmpty())
        key = station.GetStrLeafValue(QStringLiteral("WOST"), QStringLiteral("HANDLE"));
    tCatalog& catalog = *m_catalogs[static_cast<size_t>(WantedCatalogue())];
    if (!LoadCatalog(catalog) || !FindProductPath(catalog, key, m_selPath))
        ShowMessage(sformat(T("Produkt %s konnte nicht mehr gefunden werden."), key), MessageIcon::Stop);
}

bool CStationWizard::SelectCatalogue(int index) {
    if (index < 0 || index >= static_cast<int>(m_catalogs.size()))
        return false;
    tCatalog& catalog = *m_catalogs[static_cast<size_t>(index)];
    if (!LoadCatalog(catalog))
        return false;
    m_catalogIndex = index;
    m_state.catalog = &catalog;
    FillCascade(catalog.root.get());
    ReloadProduct();
    CheckStation(m_state);
    return true;
}

void CStationWizard::SelectLevel(int level, int index) {
    if (level < 0 || level >= kLevelCount)
        return;
    tLevelBox& box = m_levels[static_cast<size_t>(level)];
    if (index < 0 || index >= static_cast<int>(box.entries.size()))
        return;
    box.selected = index;
    FillCascade(box.entries[static_cast<size_t>(index)]);
    ReloadProduct();
    CheckStation(m_state);
}

void CStationWizard::FillCascade(const tSelLevel* node) {
    while (node && node->level >= 0 && node->level < kLevelCount) {
        const auto boxIndex = static_cast<size_t>(node->level);
        if (node->children.empty()) {
            for (size_t i = boxIndex; i < m_levels.size(); ++i)
                m_levels[i] = tLevelBox{};
            return;
        }
        tLevelBox& box = m_levels[boxIndex];
        box = tLevelBox{};
        box.visible = true;
        for (const auto& child : node->children)
            box.entries.push_back(child.get());
        const int count = static_cast<int>(box.entries.size());
        box.selected = 0;
        if (boxIndex < m_selPath.size() && m_selPath[boxIndex] >= 0 && m_selPath[boxIndex] < count)
            box.selected = m_selPath[boxIndex];
        node = box.entries[static_cast<size_t>(box.selected)];
    }
}

void CStationWizard::ReloadProduct() {
    m_state.product.Reset();
    if (!m_state.catalog)
        return;
    for (int level = kLevelCount - 1; level >= 0; --level) {
        const tLevelBox& box = m_levels[static_cast<size_t>(level)];
        if (box.selected >= 0) {
            LoadProduct(m_state.product, *m_state.catalog, *box.entries[static_cast<size_t>(box.selected)],
                        m_context.revitHost);
            return;
        }
    }
}

void CStationWizard::LoadSettings() {
    const QString& key = m_context.settingsKey;
    if (const auto node = storedNode(key, "ReqTw"))
        ReadReqTwNode(*node, m_state.reqTw);
    if (const auto node = storedNode(key, "ReqHz"))
        ReadReqHzNode(*node, m_state.reqHz);
    ParseMeterData(readText(key, "DataWMZ"), m_state.heatMeterFlow, m_state.heatMeterDp);
    ParseMeterData(readText(key, "DataWZ"), m_state.waterMeterFlow, m_state.waterMeterDp);
    DWORD mirror = 0;
    if (RegQueryValueW(HKEY_CURRENT_USER, key, QStringLiteral("Mirror"), mirror))
        m_mirror = static_cast<int>(mirror);
}

void CStationWizard::TakeFetchedStation(const CNode& station) {
    if (const CNode* req = station.FindChild(QStringLiteral("ReqTw")); req && req->GetFirstChild())
        ReadReqTwNode(*req->GetFirstChild(), m_state.reqTw);
    if (const CNode* req = station.FindChild(QStringLiteral("ReqHz")); req && req->GetFirstChild())
        ReadReqHzNode(*req->GetFirstChild(), m_state.reqHz);
    if (const CLeaf* leaf = station.FindLeaf(QStringLiteral("DataWMZ")))
        ParseMeterData(leaf->GetRawData(), m_state.heatMeterFlow, m_state.heatMeterDp);
    if (const CLeaf* leaf = station.FindLeaf(QStringLiteral("DataWZ")))
        ParseMeterData(leaf->GetRawData(), m_state.waterMeterFlow, m_state.waterMeterDp);
}

tWizardButtons CStationWizard::Buttons() const {
    tWizardButtons buttons;
    if (HasSchemeNetType()) {
        buttons.drawText = "Übernehmen";
        buttons.closeText = "Abbrechen";
        buttons.deleteVisible = buttons.fetchVisible = buttons.mirrorVisible = false;
        return buttons;
    }
    if (m_context.revitHost)
        buttons.deleteVisible = buttons.fetchVisible = buttons.mirrorVisible = false;
    if (ZTyp() == 0 || ZTyp() == 2)
        buttons.mirrorVisible = false;
    return buttons;
}

void CStationWizard::SetReqTw(const tReqTw& req) {
    m_state.reqTw = req;
    UpdateTwSummary(m_state);
    RegSetValueW(HKEY_CURRENT_USER, m_context.settingsKey, QStringLiteral("ReqTw"),
                 nodeText(*ReqTwNode(req)));
}

void CStationWizard::SetReqHz(const tReqHz& req) {
    m_state.reqHz = req;
    CheckStation(m_state);
    RegSetValueW(HKEY_CURRENT_USER, m_context.settingsKey, QStringLiteral("ReqHz"),
                 nodeText(*ReqHzNode(m_state.reqHz)));
}

void CStationWizard::SetMeterData(double heatFlow, double heatDp, double waterFlow, double waterDp) {
    m_state.heatMeterFlow = heatFlow;
    m_state.heatMeterDp = heatDp;
    m_state.waterMeterFlow = waterFlow;
    m_state.waterMeterDp = waterDp;
    CheckStation(m_state);
}

int CStationWizard::FirstMeterGap() const {
    const tWizardState& s = m_state;
    if (s.product.hasHeatMeter == 1) {
        if (s.heatMeterFlow <= 0.0)
            return WizardControl::HeatMeterFlow;
        if (s.heatMeterDp <= 0.0)
            return WizardControl::HeatMeterDp;
    }
    if (s.product.hasWaterMeter == 1) {
        if (s.waterMeterFlow <= 0.0)
            return WizardControl::WaterMeterFlow;
        if (s.waterMeterDp <= 0.0)
            return WizardControl::WaterMeterDp;
    }
    return 0;
}

void CStationWizard::StoreDrawSettings() {
    const QString& key = m_context.settingsKey;
    QStringList selections;
    for (const tLevelBox& box : m_levels)
        selections << QString::number(box.visible ? box.selected : -1);
    RegSetValueW(HKEY_CURRENT_USER, key, QStringLiteral("LastCmbSel"), selections.join(u':'));
    if (m_state.catalog)
        RegSetValueW(HKEY_CURRENT_USER, key, QStringLiteral("LastMmdKey"), m_state.catalog->mmdKey);
    if (m_state.product.hasHeatMeter || m_state.product.hasWaterMeter) {
        RegSetValueW(HKEY_CURRENT_USER, key, QStringLiteral("DataWMZ"),
                     MeterDataText(m_state.heatMeterFlow, m_state.heatMeterDp));
        RegSetValueW(HKEY_CURRENT_USER, key, QStringLiteral("DataWZ"),
                     MeterDataText(m_state.waterMeterFlow, m_state.waterMeterDp));
    }
    RegSetValueW(HKEY_CURRENT_USER, key, QStringLiteral("Mirror"), static_cast<DWORD>(m_mirror));
}

std::unique_ptr<CNode> CStationWizard::CreateDrawNode(const QString& tempFolder) {
    if (!m_state.catalog || !m_state.product.supported)
        return nullptr;
    tDrawOptions options;
    options.schemeNetType = HasSchemeNetType();
    options.zTyp = ZTyp();
    options.mirror = m_mirror;
    options.materialFolder = tempFolder;
    return WoSt::CreateDrawNode(m_state, options);
}

TableHandle CStationWizard::AccessoryTable() {
    if (!m_state.catalog || m_state.product.accessoryTableId == 0)
        return 0;
    MaterialDatabase& db = CatalogDb(*m_state.catalog);
    TableHandle group = 0;
    TableHandle table = 0;
    if (m_state.catalog->stations == 0 ||
        !db.OpenTable(group, m_state.catalog->stations, QStringLiteral("Zubehoer")))
        return 0;
    const QString name = db.KeyOfId(m_state.product.accessoryTableId);
    return !name.isEmpty() && db.OpenTable(table, group, name) ? table : 0;
}

bool CStationWizard::ChooseAccessories(const QString& title) {
    const TableHandle table = AccessoryTable();
    return table != 0 && m_state.product.accessories && m_state.product.accessories->ChooseFrom(table, title);
}

} // namespace WoSt
