#include "symbols/symbol_values.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace Symbols;

QString raw(const CNode& node, const char* key) {
    const CLeaf* leaf = node.FindLeaf(QString::fromUtf8(key));
    return leaf ? leaf->GetRawData() : QStringLiteral("<none>");
}

TEST(SymbolValues, ReadTextAndIntegerWithFallbacks) {
    CNode symbol(QStringLiteral("Symbol"));
    symbol.AddLeaf(QStringLiteral("BlockName"), QStringLiteral("C:\\Blocks\\Pumpe.dwg"));
    symbol.AddLeaf(QStringLiteral("Osnap"), QStringLiteral("33:7"));
    symbol.AddLeaf(QStringLiteral("AskSize"), QStringLiteral("ja"));

    EXPECT_EQ(GetSymbolValue(&symbol, QStringLiteral("BlockName")), QStringLiteral("C:\\Blocks\\Pumpe.dwg"));
    EXPECT_EQ(GetSymbolValue(&symbol, QStringLiteral("Text")), QString());
    EXPECT_EQ(GetSymbolValue(nullptr, QStringLiteral("BlockName")), QString());

    EXPECT_EQ(GetSymbolValueInt(&symbol, QStringLiteral("Osnap"), -1), 33);
    EXPECT_EQ(GetSymbolValueInt(&symbol, QStringLiteral("AskSize"), 5), 0)
        << "a value without digits reads as 0";
    EXPECT_EQ(GetSymbolValueInt(&symbol, QStringLiteral("Explode"), 4), 4);
    EXPECT_EQ(GetSymbolValueInt(nullptr, QStringLiteral("Osnap"), 9), 9);

    // The leading sign and digits count, as the host reads them.
    symbol.AddLeaf(QStringLiteral("ButtonSizeWidthFactor"), QStringLiteral(" 2x"));
    symbol.AddLeaf(QStringLiteral("ButtonSizeHeightFactor"), QStringLiteral("-3.5:1"));
    symbol.AddLeaf(QStringLiteral("Explode"), QString());
    EXPECT_EQ(GetSymbolValueInt(&symbol, QStringLiteral("ButtonSizeWidthFactor"), 1), 2);
    EXPECT_EQ(GetSymbolValueInt(&symbol, QStringLiteral("ButtonSizeHeightFactor"), 1), -3);
    EXPECT_EQ(GetSymbolValueInt(&symbol, QStringLiteral("Explode"), 4), 4)
        << "an empty leaf has no first value";
}

TEST(SymbolValues, IntegerOfTextReadsTheLeadingSignAndDigitsWithinRange) {
    const std::pair<const char*, int> cases[] = {{"90", 90},
                                                 {" -19x", -19},
                                                 {"+7", 7},
                                                 {"", 0},
                                                 {"x9", 0},
                                                 {"- 5", 0},
                                                 {"99999999999", INT_MAX},
                                                 {"-99999999999", INT_MIN}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(IntegerOfText(QString::fromLatin1(text)), value) << text;
}

TEST(SymbolValues, SetKeepsFurtherValuesAndAddsOnlyWhatHasContent) {
    CNode symbol(QStringLiteral("Symbol"));
    symbol.AddLeaf(QStringLiteral("Osnap"), QStringLiteral("1:x"));
    symbol.AddLeaf(QStringLiteral("Text"), QStringLiteral("Pumpe"));

    SetSymbolValueInt(&symbol, QStringLiteral("Osnap"), 513);
    EXPECT_EQ(raw(symbol, "Osnap"), QStringLiteral("513:x"));
    SetSymbolValueInt(&symbol, QStringLiteral("AskRotation"), -2);
    EXPECT_EQ(raw(symbol, "AskRotation"), QStringLiteral("-2"));

    SetSymbolValue(&symbol, QStringLiteral("Abbreviation"), QString());
    EXPECT_EQ(raw(symbol, "Abbreviation"), QStringLiteral("<none>"));
    SetSymbolValue(&symbol, QStringLiteral("Text"), QString());
    EXPECT_EQ(raw(symbol, "Text"), QString());
    SetSymbolValue(&symbol, QStringLiteral("Command"), QStringLiteral("_PUMP:2"));
    EXPECT_EQ(raw(symbol, "Command"), QStringLiteral("_PUMP:2"));

    DeleteSymbolValue(&symbol, QStringLiteral("Osnap"));
    DeleteSymbolValue(&symbol, QStringLiteral("Missing"));
    EXPECT_EQ(raw(symbol, "Osnap"), QStringLiteral("<none>"));
    EXPECT_EQ(symbol.NrOfLeaves(), 3);

    SetSymbolValue(nullptr, QStringLiteral("Text"), QStringLiteral("x"));
    SetSymbolValueInt(nullptr, QStringLiteral("Text"), 1);
    DeleteSymbolValue(nullptr, QStringLiteral("Text"));
}

TEST(SymbolValues, CopyReplacesRawValuesAndAppendsInOrder) {
    CNode source(QStringLiteral("Symbol"));
    source.AddLeaf(QStringLiteral("BlockName"), QStringLiteral("PUMPE"));
    source.AddLeaf(QStringLiteral("Pos"), QStringLiteral("1,2,3,4:extra"));
    source.AddLeaf(QStringLiteral("NewRow"), QString());
    CNode target(QStringLiteral("Symbol"));
    target.AddLeaf(QStringLiteral("Pos"), QStringLiteral("9,9,9,9"));
    target.AddLeaf(QStringLiteral("BlockName"), QStringLiteral("Pumpe"));
    target.AddLeaf(QStringLiteral("Text"), QStringLiteral("bleibt"));

    CopySymbolValues(&source, &target);
    ASSERT_EQ(target.NrOfLeaves(), 4);
    EXPECT_EQ(target.GetLeaf(0)->GetKey(), QStringLiteral("Pos"));
    EXPECT_EQ(target.GetLeaf(0)->GetRawData(), QStringLiteral("1,2,3,4:extra"));
    EXPECT_EQ(target.GetLeaf(1)->GetRawData(), QStringLiteral("PUMPE"));
    EXPECT_EQ(target.GetLeaf(2)->GetRawData(), QStringLiteral("bleibt"));
    EXPECT_EQ(target.GetLeaf(3)->GetKey(), QStringLiteral("NewRow"));
}

TEST(SymbolKey, PathsShareTheKeyOfTheirFileName) {
    EXPECT_EQ(GetSymbolKey(QStringLiteral("Pumpe")), QStringLiteral("PUMPE"));
    EXPECT_EQ(GetSymbolKey(QStringLiteral("C:\\X\\Pump.dwg")), QStringLiteral("PUMP"));
    EXPECT_EQ(GetSymbolKey(QStringLiteral("c:/blocks/hz/Heizkörper.dwg")), QStringLiteral("HEIZKÖRPER"));
    EXPECT_EQ(GetSymbolKey(QStringLiteral("/opt/blocks/ventil.dwg")), QStringLiteral("VENTIL"));
    EXPECT_EQ(GetSymbolKey(QStringLiteral("C:hz_pumpe.dwg")), QStringLiteral("HZ_PUMPE")); // drive, no folder
    EXPECT_EQ(GetSymbolKey(QStringLiteral("C:")), QString());
    EXPECT_EQ(GetSymbolKey(QString::fromUtf16(u"x\u00AEdir\\Fan.dwg")), QStringLiteral("FAN"));
    // A colon elsewhere is part of a plain block name.
    EXPECT_EQ(GetSymbolKey(QStringLiteral("HZ:Pumpe")), QStringLiteral("HZ:PUMPE"));
    EXPECT_EQ(GetSymbolKey(QStringLiteral("Block.v2")), QStringLiteral("BLOCK.V2"));
    EXPECT_EQ(GetSymbolKey(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(GetSymbolKey(QString()), QString());
}

} // namespace
