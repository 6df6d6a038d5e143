#include "symbols/node_filters.h"
#include "symbols/symbol_library_context.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

namespace {

using Leaves = std::initializer_list<std::pair<const char*, const char*>>;

CNode* nodeWith(CNode& parent, Leaves leaves) {
    CNode* node = parent.AddChild(QStringLiteral("Page"));
    for (const auto& [key, value] : leaves)
        node->AddLeaf(QString::fromUtf8(key), QString::fromUtf8(value));
    return node;
}

// Pages against version "Basic" and region "DEU" (or "UKR").
TEST(NodeFilters, PagesByVersionAndRegion) {
    struct Case {
        const char* region;
        Leaves leaves;
        int shown;
        const char* why;
    };
    const Case cases[] = {
        {"DEU", {}, 1, "no filter"},
        {"DEU", {{"Version", "+Basic"}}, 1, ""},
        {"DEU", {{"Version", "Basic"}}, 1, ""},
        {"DEU", {{"Version", "-Basic"}}, 0, ""},
        {"DEU", {{"Version", "+Basic2"}}, 0, "a longer name is another version"},
        {"DEU", {{"Version", "+XBasic:Pro"}}, 1, "the character in front is not checked"},
        {"DEU", {{"Version", "+Pro:Basic"}}, 1, ""},
        {"DEU", {{"Version", "-Pro"}}, 1, ""},
        {"DEU", {{"Version", "-Pro:Basic"}}, 0, ""},
        {"DEU", {{"Version", "+basic"}}, 0, "case-sensitive"},
        {"DEU", {{"Version", "+Basic2:Basic"}}, 1, "a later occurrence still counts"},
        {"DEU", {{"Version", ""}}, 0, "an empty list shows the node nowhere"},
        {"DEU", {{"Region", "-:DEU"}}, 0, ""},
        {"DEU", {{"Region", "-:AUT"}}, 1, ""},
        {"DEU", {{"Region", "+:DEU"}}, 1, ""},
        {"DEU", {{"Region", "+:AUT"}}, 0, ""},
        {"DEU", {{"Region", "+:DEU"}, {"Region", "+:AUT"}}, 0, "every + leaf must name the region"},
        {"DEU", {{"Region", "*:DEU"}, {"Region", "DEU"}}, 1, "leaves with another sign are ignored"},
        {"DEU", {{"Region", "+:deu"}}, 0, "case-sensitive"},
        {"DEU", {{"Version", "-Basic"}, {"Region", "+:DEU"}}, 0, "both filters apply"},
        {"UKR", {{"Region", "+:RUS"}}, 1, "Ukraine sees what is marked for Russia"},
        {"UKR", {{"Region", "-:RUS"}}, 0, ""},
        {"UKR", {{"Region", "+:UKR"}}, 0, ""},
    };
    for (const Case& c : cases) {
        const SymbolFilterValues values{QStringLiteral("Basic"), QString::fromLatin1(c.region)};
        CNode pages(QStringLiteral("Pages"));
        const CNode* page = nodeWith(pages, c.leaves);
        EXPECT_EQ(NodeFilters::CheckPageFilters(page, values), c.shown)
            << c.region << " " << c.why << " #" << (&c - cases);
    }
}

TEST(NodeFilters, SymbolsIgnoreRegionLeaves) {
    const SymbolFilterValues values{QStringLiteral("Basic"), QStringLiteral("DEU")};
    CNode symbol(QStringLiteral("Symbol"));
    symbol.AddLeaf(QStringLiteral("Region"), QStringLiteral("+:XXX"));
    EXPECT_EQ(NodeFilters::CheckSymbolFilters(&symbol, values), 1);
    symbol.AddLeaf(QStringLiteral("Version"), QStringLiteral("-Basic"));
    EXPECT_EQ(NodeFilters::CheckSymbolFilters(&symbol, values), 0);
}

} // namespace
