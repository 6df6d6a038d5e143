// The host's command line: pasted and typed commands, and what the next click places.
#include "command_line.h"
#include "symbol_placement.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

TEST(HostCommandLineTest, PastedAndTypedTextsReachTheirCommand) {
    const struct {
        bool pasted;
        const char* text;
        const char* expected; // "name|arg|arg" of the run command, empty: none ran
    } cases[] = {
        {true, "InsertSymbol\r", "INSERTSYMBOL"},
        {true, "InsertSymbol", "INSERTSYMBOL"}, // Revit: no terminator
        {true, "_insertsymbol\r", "INSERTSYMBOL"},
        {true, "TOOLBAR\rH\r", "TOOLBAR|H"},
        {true, "TOOLBAR\r\r", "TOOLBAR|"},
        {true, "\r", ""},
        {true, "Unknown\r", ""},
        {false, "  toolbar   L  x ", "TOOLBAR|L|x"},
        {false, "toolbar \"Zeichnung  ä.inf\" \"\" x", "TOOLBAR|Zeichnung  ä.inf||x"},
        {false, "   ", ""},
    };
    for (const auto& c : cases) {
        CommandLine line;
        QStringList ran;
        QStringList output;
        QObject::connect(&line, &CommandLine::Output, [&](const QString& text) { output << text; });
        for (const char* name : {"InsertSymbol", "TOOLBAR"})
            line.Register(name, "help", [&ran, name](const QStringList& args) {
                ran << (QStringList{QString(name).toUpper()} + args).join('|');
            });
        if (c.pasted)
            line.Paste(c.text);
        else
            line.Type(c.text);
        EXPECT_EQ(ran.join(';'), c.expected) << c.text;
        EXPECT_EQ(output.join('\n').contains("'Unknown'"), QString(c.text).startsWith("Unknown")) << c.text;
        if (c.pasted && QString(c.text).startsWith("TOOLBAR\rH")) {
            EXPECT_TRUE(output.contains("Vom Modul: TOOLBAR\\rH\\r")) << output.join('|').toStdString();
        }
    }
}

TEST(HostSymbolPlacementTest, PropsGiveTheBlockAndItsPairWithTheirSlides) {
    const struct {
        const char* symbolsDir;
        const char* second;
        const char* preview;
        const char* slideName;
        QStringList expected; // block=slide per item
    } cases[] = {
        {"/i/Heizung/Symbols\\", nullptr, "", "", {"HZ_A=/i/Heizung/Slides/HZ_A.sld"}},
        {"/i/Heizung/Symbols\\", nullptr, "", "sub\\Other", {"HZ_A=/i/Heizung/Slides/sub/Other.sld"}},
        {"/i/Heizung/Symbols\\", nullptr, "", "/abs/x.SLD", {"HZ_A=/abs/x.SLD"}},
        {"/i/Heizung/Symbols\\",
         "HZ_B",
         "/shown.sld",
         "",
         {"HZ_A=/shown.sld", "HZ_B=/i/Heizung/Slides/HZ_B.sld"}},
    };
    for (const auto& c : cases) {
        CNode props("SymbolProps");
        props.AddLeaf("BlockName", "HZ_A");
        props.AddLeaf("SymbolsDir", c.symbolsDir);
        if (c.second)
            props.AddLeaf("SecondBlockName", c.second);
        const QList<DrawingItem> items = SymbolPlacement::ItemsFromSymbolProps(props, c.preview, c.slideName);
        QStringList got;
        for (const DrawingItem& item : items)
            got << item.blockName + '=' + item.slideFile;
        EXPECT_EQ(got, c.expected) << c.slideName;
        if (items.size() == 2) {
            EXPECT_EQ(items[1].position - items[0].position, QPointF(SymbolPlacement::kPairOffset, 0));
        }
    }
    CNode revit("SymbolProps");
    revit.AddLeaf("FamiliesDir", "/i/Heizung/Symbols\\Families\\2019");
    EXPECT_EQ(SymbolPlacement::SymbolFileFolder(revit), "/i/Heizung");
    EXPECT_TRUE(SymbolPlacement::ItemsFromSymbolProps(revit, "", "").isEmpty()); // no block name
}
