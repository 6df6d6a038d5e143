#pragma once

#include "../symbols/symbol_library_fixture.h"

#include "symbolui/dlg_symbol_toolbar.h"

#include "slides/slide_writer.h"

#include <memory>

namespace orvane::test {

// A heating toolbar file with three pages, listed the way installations list toolbar files:
// a list file in the trade folder names it through a catalogue.
//   "Fluss": four symbols in rows, the third a placeholder ("HideButton"), the last wide;
//   "Fest": fixed positions over the background slide "bg", reference 400 x 200;
//   "Leer": no symbols.
class ToolbarTest : public SymbolLibraryTest {
public:
    static constexpr const char* kKey = "Orvane\\Test\\Dialogs\\DlgSymbolToolbar";

protected:
    ToolbarTest() {
        host.catalogs.insert("TB", folder.filePath("Support/Symbol Toolbars"));
        supplied("Heizung/Leisten.inf", "Root { SymbolFile = \"<TB>Heizung\\\\Toolbar_\\\\Leiste.inf\" }\n");
        toolbarFile = supplied("Heizung/Toolbar_/Leiste.inf", kToolbarFile);
        CSlideWriter background(400, 200);
        background.AddLine(QPoint(0, 0), QPoint(400, 200));
        background.AddLine(QPoint(0, 200), QPoint(400, 0));
        folder.write("Support/Symbol Toolbars/Heizung/Toolbar_/Slides/bg.sld", background.ToBytes());
    }

    std::unique_ptr<CDlgSymbolToolbar> open(const QString& code = "H") {
        SymbolToolbarContext context;
        context.fileManager = &manager;
        auto toolbar = std::make_unique<CDlgSymbolToolbar>(context);
        toolbar->SetName(code);
        toolbar->SetRegistryPath(QString::fromUtf8(kKey), code + QStringLiteral("_WndPos"));
        toolbar->OnInitDialog();
        toolbar->show();
        toolbar->LoadPages();
        return toolbar;
    }

    static constexpr const char* kToolbarFile = R"(Root {
  Pages {
    Page {
      DisplayName = "Fluss"
      Symbol { BlockName = "A" DisplayName = "Pumpe" }
      Symbol { BlockName = "B" SlideName = "b.bmp" UsedInCalculations = "1" }
      Symbol { BlockName = "C" HideButton = "1" }
      Symbol { BlockName = "D" ButtonSizeWidthFactor = "2" }
    }
    Page {
      DisplayName = "Fest"
      FixedLayout = "1"
      SlideName = "bg"
      Symbol { BlockName = "F1" Pos = "10,10,20,20" }
      Symbol { BlockName = "F2" Pos = "200,100,40,40" }
      Symbol { BlockName = "F3" }
    }
    Page {
      DisplayName = "Leer"
    }
  }
}
)";

    QString toolbarFile;
};

} // namespace orvane::test
