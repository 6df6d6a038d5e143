#include "toolbar_fixture.h"

#include "symbolui/symbol_toolbar_manager.h"

#include "symbols/symbol_toolbar_settings.h"

#include "corekit/registry.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>

namespace orvane::test {
namespace {

const QString kModuleKey = "Orvane\\Test\\";

class ToolbarManagerTest : public ToolbarTest {
protected:
    std::unique_ptr<CSymbolToolbarManager> makeManager(bool revit = false) {
        SymbolToolbarContext context;
        context.fileManager = &manager;
        context.host = &host;
        context.isRevit = revit;
        return std::make_unique<CSymbolToolbarManager>(kModuleKey, context);
    }
    static void set(const QString& name, const QString& value) {
        RegSetValueW(HKEY_CURRENT_USER, kModuleKey + QStringLiteral("Dialogs\\DlgSymbolToolbar"), name,
                     value);
    }
    static QStringList names(const CSymbolToolbarManager& toolbars) {
        QStringList codes;
        for (const CDlgSymbolToolbar* toolbar : toolbars.Toolbars())
            codes << toolbar->Name();
        return codes;
    }
};

TEST_F(ToolbarManagerTest, StoredValuesDecideWhichToolbarsReopen) {
    const QString position = "10,10,400,150";
    set("H_WndPos", position);
    set("H_Show", "1");
    set("S_WndPos", position);
    set("S_Show", "0");
    set("USER_WndPos", position);
    set("X_Y_WndPos", position);
    set("E_WndPos", position);
    set("E_Show", "ja"); // not a number: never closed
    set("_WndPos", position);
    set("Q_PageIndex", "1");
    auto toolbars = makeManager();
    toolbars->RestoreToolbars();
    EXPECT_EQ(names(*toolbars), QStringList({"E", "H", "USER", "X"}));

    // A second restore only shows them.
    toolbars->ShowToolbars(0);
    toolbars->RestoreToolbars();
    EXPECT_EQ(toolbars->Toolbars().size(), 4u);
    for (const CDlgSymbolToolbar* toolbar : toolbars->Toolbars())
        EXPECT_TRUE(toolbar->isVisible()) << toolbar->Name().toStdString();
}

TEST_F(ToolbarManagerTest, RestoreAcrossTwoLifetimes) {
    QPoint heatingPlace;
    {
        auto toolbars = makeManager();
        ASSERT_EQ(toolbars->OpenToolbar("H"), 1);
        ASSERT_EQ(toolbars->OpenToolbar("S"), 1);
        ASSERT_EQ(toolbars->OpenToolbar("L"), 1);
        CDlgSymbolToolbar* heating = toolbars->Toolbars()[0];
        heating->LoadPages();
        heating->SelectPage(2);
        heating->move(60, 70);
        heatingPlace = heating->pos();
        EXPECT_EQ(heating->windowTitle(), "Heizung");
        heating->close(); // the planner closes it ...
        toolbars->Toolbars()[0]->close();
        EXPECT_EQ(names(*toolbars), QStringList({"L"}));
        toolbars->OpenToolbar("H"); // ... and opens it again
        toolbars->Toolbars()[1]->move(heatingPlace);
        toolbars->StoreToolbars();
    }
    QCoreApplication::processEvents(); // closed windows go
    auto toolbars = makeManager();
    toolbars->RestoreToolbars();
    ASSERT_EQ(names(*toolbars), QStringList({"H", "L"}));
    CDlgSymbolToolbar* heating = toolbars->Toolbars()[0];
    EXPECT_EQ(heating->pos(), heatingPlace);
    heating->LoadPages();
    EXPECT_EQ(heating->PagesList()->currentIndex(), 2);
}

TEST_F(ToolbarManagerTest, ToolbarFromAGoneScreenComesBackWhole) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    set("H_WndPos", QStringLiteral("%1,%2,400,150").arg(screen.right() + 2000).arg(screen.top() + 10));
    set("S_WndPos", QStringLiteral("%1,%2,400,150").arg(screen.left() - 100).arg(screen.bottom() - 20));
    auto toolbars = makeManager();
    toolbars->RestoreToolbars();
    ASSERT_EQ(toolbars->Toolbars().size(), 2u);
    for (const CDlgSymbolToolbar* toolbar : toolbars->Toolbars())
        EXPECT_TRUE(screen.contains(QRect(toolbar->pos(), toolbar->size())))
            << toolbar->Name().toStdString() << " at " << toolbar->x() << "," << toolbar->y();
}

TEST_F(ToolbarManagerTest, TitlesOfTrades) {
    const struct {
        const char* code;
        const char* title;
    } titles[] = {{"H", "Heizung"}, {"S", "Sanitär"},          {"L", "Lüftung"},
                  {"K", "Kälte"},   {"USER", "Freie Symbole"}, {"Z", "Z"}};
    auto toolbars = makeManager();
    for (const auto& t : titles)
        EXPECT_EQ(toolbars->Title(QString::fromUtf8(t.code)), QString::fromUtf8(t.title));
    EXPECT_TRUE(makeManager(true)->m_regKey.endsWith("DlgSymbolToolbarRevit"));
}

// The drawing host's current trade is asked of the host in the manager's context; in Revit the
// command's last letter names it.
TEST_F(ToolbarManagerTest, CommandsOpenTheTradeOfTheirContext) {
    host.variables.insert("CUR_GLOBAL_GEWERK_KZL", "S");
    const struct {
        bool revit;
        const char* command;
        const char* opened;
    } cases[] = {{false, "ORVSYMBOLLEISTE_L", "S"}, {true, "ORVSYMBOLLEISTE_L", "L"}};
    for (const auto& c : cases) {
        auto toolbars = makeManager(c.revit);
        toolbars->OpenToolbarOfCommand(c.command);
        EXPECT_EQ(names(*toolbars), QStringList({c.opened})) << c.command;
    }
}

} // namespace
} // namespace orvane::test
