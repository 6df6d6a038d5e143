#pragma once

// The station wizard without its window: the catalogue list, the selection cascade of six
// level boxes, the product of the current choice, the requirements and meter data, the stored
// settings, fetching a drawn station back from the input node, and what "Zeichnen" needs.
// CDlgWohnungsstation shows this state and forwards the planner's actions to it.

#include "station_check.h"
#include "station_output.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class CNode;

namespace WoSt {

// What the wizard needs from outside: where its catalogues come from, where its settings
// live (registry form, "...\\Dialogs\\DlgWohnungsstation") and which host runs it.
struct tWizardContext {
    CatalogSource* catalogs = nullptr;
    QString settingsKey;
    bool revitHost = false;
    QString tempFolder; // the user's temporary folder: material output file, report
};

// Controls whose numbers the logic hands out (a meter field that misses data).
namespace WizardControl {
enum : int { HeatMeterFlow = 1017, HeatMeterDp = 1018, WaterMeterFlow = 1019, WaterMeterDp = 1020 };
}

inline constexpr int kLevelCount = 6;

// One of the six selection boxes (product group and five further levels).
struct tLevelBox {
    bool visible = false;
    std::vector<const tSelLevel*> entries;
    int selected = -1;
};

// Which of the end buttons and the mirror box show, and their texts' German keys.
struct tWizardButtons {
    const char* drawText = "Zeichnen <";
    const char* closeText = "Beenden";
    bool deleteVisible = true;
    bool fetchVisible = true;
    bool mirrorVisible = true;
};

class CStationWizard {
public:
    // `input` is the host's node (not owned; may be null in tests, then it counts as empty).
    CStationWizard(const CNode* input, tWizardContext context);
    ~CStationWizard();

    // Lists the catalogues, restores the last choice (or the fetched station's), loads the
    // stored requirements and runs the first check. False when there is no catalogue: the
    // message has been shown and the wizard must close.
    bool Open();

    const tCatalogList& Catalogs() const { return m_catalogs; }
    int CatalogIndex() const { return m_catalogIndex; }
    // False when the catalogue cannot be used; the previous one stays selected.
    bool SelectCatalogue(int index);
    // The planner picked entry `index` in the box of `level` (0 = product group).
    void SelectLevel(int level, int index);
    const std::array<tLevelBox, kLevelCount>& Levels() const { return m_levels; }

    tWizardState& State() { return m_state; }
    const tWizardState& State() const { return m_state; }
    const tProduct& Product() const { return m_state.product; }
    int Mirror() const { return m_mirror; }
    void SetMirror(int mirror) { m_mirror = mirror; }
    tWizardButtons Buttons() const;
    bool HasSchemeNetType() const;
    int ZTyp() const;

    // New requirements taken back from a dialog: check again and store them.
    void SetReqTw(const tReqTw& req);
    void SetReqHz(const tReqHz& req);
    // New meter data from the four fields: check again.
    void SetMeterData(double heatFlow, double heatDp, double waterFlow, double waterDp);

    // The first meter field (1017 ... 1020) that a meter of the product needs and that is
    // empty, or 0.
    int FirstMeterGap() const;
    // Stores the choice, the meter data and the mirror flag, as "Zeichnen" does.
    void StoreDrawSettings();
    // The draw node for the current choice (the material output file goes to `tempFolder`).
    std::unique_ptr<CNode> CreateDrawNode(const QString& tempFolder);

    const tWizardContext& Context() const { return m_context; }

    // The accessory table of the product, opened; 0 when it has none.
    TableHandle AccessoryTable();
    // Shows the material database's selection dialog over the accessory table; the product's
    // accessory list keeps the picks. False when there is nothing to choose from or on cancel.
    bool ChooseAccessories(const QString& title);

private:
    void FillCascade(const tSelLevel* node);
    void ReloadProduct();
    void LoadSettings();
    void TakeFetchedStation(const CNode& station);
    void RestoreWantedProduct(const CNode& station);
    const CNode* FetchedStation() const;
    int WantedCatalogue() const;

    const CNode* m_input;
    tWizardContext m_context;
    tCatalogList m_catalogs;
    int m_catalogIndex = -1;
    tWizardState m_state;
    std::vector<int> m_selPath;
    std::array<tLevelBox, kLevelCount> m_levels;
    int m_mirror = 0;
};

} // namespace WoSt
