// Every window of the module on the offscreen platform: each control a user can focus or press
// has an accessible name and is reached by Tab (none is excepted).

#include "keyboard_access.h"
#include "station_test_support.h"
#include "symbols_window_fixture.h"

#include "hydraulics/dlg_hydraulics.h"
#include "stations/dlg_anforderung_hz.h"
#include "stations/dlg_anforderung_tw.h"
#include "stations/dlg_wohnungsstation.h"
#include "symbolui/dlg_symbol_properties.h"
#include "symbolui/dlg_symbol_toolbar.h"
#include "symbolui/dlg_symbol_toolbar_properties.h"

#include "corekit/installation.h"
#include "stations/water_properties.h"

#include <functional>

namespace {

using namespace orvane::test;

class WindowAccessTest : public SymbolsWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(COrvaneInstallation::GetInstance().Load(
            folder.write("inst.inf", "Installation { RegistryBasePath = \"Firma\\\\Suite\\\\\" }\n")));
        writeDefaultLibrary();
        host.catalogs.insert("TB", folder.filePath("Support/Symbol Toolbars"));
        supplied("Heizung/Leisten.inf", "Root { SymbolFile = \"<TB>Heizung\\\\Toolbar_\\\\Leiste.inf\" }\n");
        supplied("Heizung/Toolbar_/Leiste.inf",
                 pages({"Fluss|Symbol { BlockName = \"A\" DisplayName = \"Pumpe\" } "
                        "Symbol { BlockName = \"B\" }",
                        "Leer|"}));
        WriteWizardCatalogue(memory, folder);
    }
    void TearDown() override { COrvaneInstallation::GetInstance().Clear(); }

    std::unique_ptr<QWidget> toolbar() {
        SymbolToolbarContext c;
        c.fileManager = &manager;
        auto window = std::make_unique<CDlgSymbolToolbar>(c);
        window->SetName("H");
        window->SetRegistryPath("Orvane\\Test\\Dialogs\\DlgSymbolToolbar", "H_WndPos");
        window->OnInitDialog();
        window->show();
        window->LoadPages();
        return window;
    }
    CSymbolFile* suppliedFile() {
        manager.CollectFiles();
        return manager.FindFile(folder.filePath("Support/Symbol Toolbars/Heizung/a.inf"));
    }
    CNode* firstPage(CSymbolFile* file) { return file->m_pRoot->FindChild("Pages")->GetFirstChild(); }

    ConstantWater water;
    WoSt::ScopedWaterProperties useWater{water};
    MemoryDb memory;
    FixedCatalogs catalogs{{{"Hersteller A", "A", folder.path()}}, memory};
    CNode wizardInput{"Input"};
};

TEST_F(WindowAccessTest, EveryControlHasANameAndIsReachedByTab) {
    struct Window {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> open;
    };
    const Window windows[] = {
        {"symbols window", [&] { return std::unique_ptr<QWidget>(openWindow()); }},
        {"symbols window without additions",
         [&] {
             host.variables.insert("SYMBOLE_WINDOW_EXTRAS", "0");
             return std::unique_ptr<QWidget>(openWindow());
         }},
        {"symbol toolbar", [&] { return toolbar(); }},
        {"symbol properties",
         [&] {
             CSymbolFile* file = suppliedFile();
             auto dialog = std::make_unique<CDlgSymbolProperties>(nullptr, &manager);
             dialog->SetData(file, firstPage(file)->GetFirstChild());
             dialog->OnInitDialog();
             // A symbol edited outside the drawing greys most controls: all are checked.
             for (QWidget* control : dialog->findChildren<QWidget*>())
                 control->setEnabled(true);
             return std::unique_ptr<QWidget>(std::move(dialog));
         }},
        {"toolbar page properties",
         [&] {
             CSymbolFile* file = suppliedFile();
             auto dialog = std::make_unique<CDlgSymbolToolbarProperties>();
             dialog->SetData(file, firstPage(file), true);
             return std::unique_ptr<QWidget>(std::move(dialog));
         }},
        {"hydraulic circuits", [] { return std::unique_ptr<QWidget>(new CDlgHydraulics); }},
        {"hot water requirement",
         [] {
             return std::unique_ptr<QWidget>(new CDlgAnforderungTw(WoSt::tReqTw{}, {true, 0}));
         }},
        {"heating requirement",
         [] { return std::unique_ptr<QWidget>(new CDlgAnforderungHz(floorHeatingRequest())); }},
        {"station wizard",
         [&] {
             auto dialog = std::make_unique<CDlgWohnungsstation>(
                 &wizardInput,
                 WoSt::tWizardContext{&catalogs, "T\\DlgWohnungsstation", false, folder.filePath("tmp")});
             EXPECT_TRUE(dialog->Initialize());
             // The station with heat meter and product link shows the most controls.
             auto* products = qobject_cast<QComboBox*>(dialog->GetDlgItem(1004));
             emit products->activated(1);
             return std::unique_ptr<QWidget>(std::move(dialog));
         }},
    };
    for (const Window& w : windows) {
        const std::unique_ptr<QWidget> window = w.open();
        window->show();
        const QStringList faults = AccessFaults(*window);
        EXPECT_TRUE(faults.isEmpty()) << w.name << ":\n  " << faults.join("\n  ").toStdString();
    }
}

} // namespace
