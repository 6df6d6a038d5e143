#include "fake_symbols_host.h"

#include "corekit/node.h"

#include <gtest/gtest.h>

namespace {

using orvane::test::FakeSymbolsHost;

using Leaves = std::initializer_list<std::pair<const char*, const char*>>;

CNode* nodeWith(CNode& parent, Leaves leaves) {
    CNode* node = parent.AddChild(QStringLiteral("Page"));
    for (const auto& [key, value] : leaves)
        node->AddLeaf(QString::fromUtf8(key), QString::fromUtf8(value));
    return node;
}

// Pages of a host with version "Basic" and region "DEU" (or "UKR").
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
        FakeSymbolsHost host;
        host.version = QStringLiteral("Basic");
        host.region = QString::fromLatin1(c.region);
        CNode pages(QStringLiteral("Pages"));
        const CNode* page = nodeWith(pages, c.leaves);
        EXPECT_EQ(NodeFilters::CheckPageFilters(page), c.shown)
            << c.region << " " << c.why << " #" << (&c - cases);
    }
}

TEST(NodeFilters, SymbolsIgnoreRegionLeaves) {
    FakeSymbolsHost host;
    CNode symbol(QStringLiteral("Symbol"));
    symbol.AddLeaf(QStringLiteral("Region"), QStringLiteral("+:XXX"));
    EXPECT_EQ(NodeFilters::CheckSymbolFilters(&symbol), 1);
    symbol.AddLeaf(QStringLiteral("Version"), QStringLiteral("-Basic"));
    EXPECT_EQ(NodeFilters::CheckSymbolFilters(&symbol), 0);
}

TEST(NodeFilters, HostValuesAreFetchedOnceAndOnlyWhenNeeded) {
    FakeSymbolsHost host;
    CNode pages(QStringLiteral("Pages"));
    NodeFilters::CheckPageFilters(nodeWith(pages, {{"Version", "Basic"}}));
    EXPECT_EQ(host.regionRequests, 0) << "no region leaf, no region";

    host.version = QStringLiteral("Pro");
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Region", "+:DEU"}, {"Version", "Basic"}})), 1)
        << "values stay as fetched first";
    EXPECT_EQ(host.versionRequests, 1);
    EXPECT_EQ(host.regionRequests, 1);

    NodeFilters::ForgetHostValues();
    EXPECT_EQ(NodeFilters::CheckPageFilters(nodeWith(pages, {{"Version", "Pro"}})), 1);
    EXPECT_EQ(host.versionRequests, 2);
}

} // namespace
