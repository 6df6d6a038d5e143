#include "fake_symbols_host.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

namespace {

using orvane::test::FakeSymbolsHost;

CNode* nodeWith(CNode& parent, std::initializer_list<std::pair<const char*, const char*>> leaves) {
    CNode* node = parent.AddChild(QStringLiteral("Page"));
    for (const auto& [key, value] : leaves)
        node->AddLeaf(QString::fromUtf8(key), QString::fromUtf8(value));
    return node;
}

TEST(NodeFilters, VersionSignsAndEntryEnds) {
    FakeSymbolsHost host;
    host.version = QStringLiteral("Basic");
    CNode pages(QStringLiteral("Pages"));
    const auto shown = [&](const char* version) {
        return NodeFilters::CheckPageFilters(nodeWith(pages, {{"Version", version}}));
    };
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {})), 1);
    EXPECT_EQ(shown("+Basic"), 1);
    EXPECT_EQ(shown("Basic"), 1);
    EXPECT_EQ(shown("-Basic"), 0);
    EXPECT_EQ(shown("+Basic2"), 0);
    EXPECT_EQ(shown("+XBasic:Pro"), 1) << "the character in front is not checked";
    EXPECT_EQ(shown("+Pro:Basic"), 1);
    EXPECT_EQ(shown("-Pro"), 1);
    EXPECT_EQ(shown("-Pro:Basic"), 0);
    EXPECT_EQ(shown("+basic"), 0) << "case-sensitive";
    EXPECT_EQ(shown("+Basic2:Basic"), 1) << "a later occurrence still counts";
    EXPECT_EQ(shown(""), 0) << "an empty list shows the node nowhere";
}

TEST(NodeFilters, RegionLeavesOnPagesOnly) {
    FakeSymbolsHost host;
    host.region = QStringLiteral("DEU");
    CNode pages(QStringLiteral("Pages"));
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "-:DEU"}})), 0);
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "-:AUT"}})), 1);
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:DEU"}})), 1);
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:AUT"}})), 0);
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:DEU"}, {"Region", "+:AUT"}})), 0)
        << "every + leaf must name the user's region";
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "*:DEU"}, {"Region", "DEU"}})), 1)
        << "leaves with another sign are ignored";
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:deu"}})), 0);
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Version", "-Basic"}, {"Region", "+:DEU"}})),
              0);

    CNode symbol(QStringLiteral("Symbol"));
    symbol.AddLeaf(QStringLiteral("Region"), QStringLiteral("+:XXX"));
    EXPECT_EQ(NodeFilters::CheckSymbolFilters(&symbol), 1);
    symbol.AddLeaf(QStringLiteral("Version"), QStringLiteral("-Basic"));
    EXPECT_EQ(NodeFilters::CheckSymbolFilters(&symbol), 0);
}

TEST(NodeFilters, UkraineSeesRussiaAndValuesAreFetchedOnce) {
    FakeSymbolsHost host;
    host.region = QStringLiteral("UKR");
    CNode pages(QStringLiteral("Pages"));
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:RUS"}})), 1);
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "-:RUS"}})), 0);
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:UKR"}})), 0);

    host.region = QStringLiteral("DEU");
    host.version = QStringLiteral("Pro");
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:RUS"}, {"Version", "Basic"}})), 1)
        << "values stay as fetched first";
    EXPECT_EQ(host.versionRequests, 1);
    EXPECT_EQ(host.regionRequests, 1);

    NodeFilters::ForgetHostValues();
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:DEU"}, {"Version", "Pro"}})), 1);
    EXPECT_EQ(host.versionRequests, 2);
}

TEST(NodeFilters, RegionIsNotFetchedWithoutRegionLeaves) {
    FakeSymbolsHost host;
    CNode pages(QStringLiteral("Pages"));
    NodeFilters::CheckPageFilters(nodeWith(pages, {{"Version", "Basic"}}));
    EXPECT_EQ(host.regionRequests, 0);
}

} // namespace
